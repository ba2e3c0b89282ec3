#include "graphics/carried_fonts.h"
#include "platform/desktop_platform.h"
#include "platform/memory.h"
#include "shell/command_line/command_line.h"
#include "shell/command_line/headless.h"
#include "shell/language/language_controller.h"
#include "shell/main_window/main_window.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <iostream>

namespace {

// Qt would abort with several lines about platform plugins; one clear line is kinder.
bool displayAvailable() {
    return !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
           !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}

// The name and version, and the language of the texts (the program's and Qt's own: dialog
// buttons, the command line's messages).  Returns the command line read again in that language.
trelvix::CommandLine describeProgram(trelvix::LanguageSwitch& languages,
                                     const trelvix::CommandLine& line) {
    QCoreApplication::setApplicationName(QStringLiteral("trelvix"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TRELVIX_VERSION));
    trelvix::startInLanguage(languages, line.language);
    return trelvix::parseCommandLine(QCoreApplication::arguments());
}

// The modes that print their results run without a display.
int runWithoutWindow(int argc, char* argv[], const trelvix::CommandLine& line) {
    QCoreApplication app(argc, argv);
    trelvix::LanguageSwitch languages;
    return trelvix::runHeadless(describeProgram(languages, line), std::cout, std::cerr);
}

// Said in the language the window would have had: the language needs no display.
int refuseWithoutDisplay(int argc, char* argv[], const trelvix::CommandLine& line) {
    QCoreApplication app(argc, argv);
    trelvix::LanguageSwitch languages;
    describeProgram(languages, line);
    const QString message = QCoreApplication::translate(
        "trelvix::Program", "нет графического дисплея (DISPLAY не задан): запустите программу на "
                            "рабочем столе или через xvfb-run");
    std::fputs(("trelvix: " + message + u'\n').toLocal8Bit().constData(), stderr);
    return EXIT_FAILURE;
}

} // namespace

int main(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const trelvix::CommandLine line = trelvix::parseCommandLine(arguments);
    if (line.mode != trelvix::ProgramMode::Window) return runWithoutWindow(argc, argv, line);

    if (!displayAvailable()) return refuseWithoutDisplay(argc, argv, line);
    trelvix::returnLargeBlocksWhenFreed();
    QApplication app(argc, argv);
    trelvix::DesktopPlatform desktop;
    describeProgram(desktop.languages(), line);
    trelvix::graphics::registerCarriedFonts();
    trelvix::MainWindow window(desktop.platform());
    window.show();
    if (!line.file.isEmpty()) window.openExperimentFile(line.file);
    return QApplication::exec();
}
