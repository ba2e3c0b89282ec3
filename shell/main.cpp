#include "platform/desktop_platform.h"
#include "shell/main_window.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>

namespace {

// Qt would abort with several lines about platform plugins; one clear line is kinder.
bool displayAvailable() {
    return !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
           !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}

} // namespace

int main(int argc, char* argv[]) {
    if (!displayAvailable()) {
        std::fputs("trelvix: нет графического дисплея (DISPLAY не задан): запустите программу "
                   "на рабочем столе или через xvfb-run\n",
                   stderr);
        return EXIT_FAILURE;
    }
    QApplication app(argc, argv);
    trelvix::DesktopPlatform desktop;
    trelvix::MainWindow window(desktop.platform());
    window.show();
    return QApplication::exec();
}
