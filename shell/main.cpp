#include "graphics/carried_fonts.h"
#include "platform/desktop_platform.h"
#include "platform/memory.h"
#include "shell/command_line/command_line.h"
#include "shell/command_line/headless.h"
#include "shell/main_window/main_window.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>
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

// The name and version, and Qt's own texts (dialog buttons, the command line's messages) in
// Russian where the desktop has Qt's translations; without them they stay English.
void describeProgram(QCoreApplication& app) {
    QCoreApplication::setApplicationName(QStringLiteral("trelvix"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TRELVIX_VERSION));
    auto* qtTexts = new QTranslator(&app);
    if (qtTexts->load(QStringLiteral("qtbase_ru"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qtTexts);
}

// The modes that print their results run without a display.  The command line is read again
// once the application exists, so that the help names the program and Qt's messages are Russian.
int runWithoutWindow(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    describeProgram(app);
    return trelvix::runHeadless(trelvix::parseCommandLine(QCoreApplication::arguments()), std::cout,
                                std::cerr);
}

} // namespace

int main(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const trelvix::CommandLine line = trelvix::parseCommandLine(arguments);
    if (line.mode != trelvix::ProgramMode::Window) return runWithoutWindow(argc, argv);

    if (!displayAvailable()) {
        std::fputs("trelvix: нет графического дисплея (DISPLAY не задан): запустите программу "
                   "на рабочем столе или через xvfb-run\n",
                   stderr);
        return EXIT_FAILURE;
    }
    trelvix::returnLargeBlocksWhenFreed();
    QApplication app(argc, argv);
    describeProgram(app);
    trelvix::graphics::registerCarriedFonts();
    trelvix::DesktopPlatform desktop;
    trelvix::MainWindow window(desktop.platform());
    window.show();
    if (!line.file.isEmpty()) window.openExperimentFile(line.file);
    return QApplication::exec();
}
