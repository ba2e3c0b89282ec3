#include "platform/desktop_platform.h"
#include "shell/command_line.h"
#include "shell/headless.h"
#include "shell/main_window.h"

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

void describeProgram() {
    QCoreApplication::setApplicationName(QStringLiteral("trelvix"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TRELVIX_VERSION));
}

// The modes that print their results run without a display.
int runWithoutWindow(int argc, char* argv[], const trelvix::CommandLine& line) {
    QCoreApplication app(argc, argv);
    describeProgram();
    return trelvix::runHeadless(line, std::cout, std::cerr);
}

} // namespace

int main(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const trelvix::CommandLine line = trelvix::parseCommandLine(arguments);
    if (line.mode != trelvix::ProgramMode::Window) return runWithoutWindow(argc, argv, line);

    if (!displayAvailable()) {
        std::fputs("trelvix: нет графического дисплея (DISPLAY не задан): запустите программу "
                   "на рабочем столе или через xvfb-run\n",
                   stderr);
        return EXIT_FAILURE;
    }
    QApplication app(argc, argv);
    describeProgram();
    trelvix::DesktopPlatform desktop;
    trelvix::MainWindow window(desktop.platform());
    window.show();
    if (!line.file.isEmpty()) window.openExperimentFile(line.file);
    return QApplication::exec();
}
