// The program in the middle of a long run with "Файл" on, for the fault test that kills it: the
// main window offscreen with its initial experiment, the results file turned on and the run
// started as soon as the window is shown.  Messages and tones go to the recording stand-in.
//
// Every few milliseconds, during the pauses of the run, it writes the model time of the last
// step to its standard output: that step's line has been written by then, so the file of the
// killed program must reach at least the last time reported.

#include "last_step.h"
#include "recording_platform.h"
#include "shell/main_window/main_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QTimer>
#include <cstdio>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    trelvix::RecordingPlatform platform;
    trelvix::MainWindow window(platform.platform());
    const trelvix::LastStep last(window);
    window.show();
    QTimer report;
    QObject::connect(&report, &QTimer::timeout, [&last] {
        std::printf("%.17g\n", last.state.t);
        std::fflush(stdout);
    });
    report.start(5);
    QTimer::singleShot(0, &window, [&window] {
        window.controls().resultsFileBox->click();
        window.startOrStop();
        QApplication::quit(); // reached only if the run ends before the kill
    });
    return QApplication::exec();
}
