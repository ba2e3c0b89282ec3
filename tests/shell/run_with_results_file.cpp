// The program in the middle of a long run with "Файл" on, for the fault test that kills it: the
// main window offscreen with its initial experiment, the results file turned on and the run
// started as soon as the window is shown.  Messages and tones go to the recording stand-in.

#include "recording_platform.h"
#include "shell/main_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QTimer>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    trelvix::RecordingPlatform platform;
    trelvix::MainWindow window(platform.platform());
    window.show();
    QTimer::singleShot(0, &window, [&window] {
        window.controls().Check_p->click();
        window.CmdOK_Click();
        QApplication::quit(); // reached only if the run ends before the kill
    });
    return QApplication::exec();
}
