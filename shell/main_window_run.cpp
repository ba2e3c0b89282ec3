// Running the experiment: the start/stop button, the integration loop with its drawing, the
// paced pause that keeps the window live, and the end of a run.

#include "graphics/magnifier.h"
#include "graphics/redraw.h"
#include "graphics/run_step.h"
#include "graphics/scene.h"
#include "model/characteristics.h"
#include "model/run.h"
#include "shell/circle_shape.h"
#include "shell/magnifier_window.h"
#include "shell/main_window.h"
#include "shell/picture_box.h"
#include "shell/window_texts.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QEventLoop>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <cmath>

namespace trelvix {

namespace {

// A window whose size a run must not change keeps it; afterwards it is sizable again within the
// limits its layout sets (the main window's smallest client area).
void lockSize(QWidget* window, bool locked) {
    if (locked) {
        window->setFixedSize(window->size());
        return;
    }
    window->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    window->setMinimumSize(window->minimumSizeHint());
}

} // namespace

bool MainWindow::running() const {
    return controls_.CmdOK->text() == texts::stopCaption;
}

void MainWindow::CmdOK_Click() {
    const double clickedAt = platform_.clock.seconds();
    if (!running()) {
        // A start click that arrives while a stopped run is still finishing its last pause
        // would begin a run inside the old one: it is ignored.
        if (runActive_) return;
        if (!canRun(experiment_)) {
            platform_.tone.zvuk(25);
            platform_.messages.inform(texts::errorTitle, texts::cannotRunMessage);
            return;
        }
        controls_.CmdOK->setText(texts::stopCaption);
        setRunControlsEnabled(false);
        Form_Resize();
        setRunWindowState(true);
        graphics::Surfaces all = surfaces();
        graphics::redrawSequence(experiment_, frames_, all, plotLayout(), separator());
        placeMarker(experiment_.X0);
        raschet();
    } else {
        controls_.CmdOK->setText(texts::startCaption);
        setRunWindowState(false);
    }
    if (ending_) return;
    const auto seconds = static_cast<long long>(std::floor(platform_.clock.seconds() - clickedAt));
    setWindowTitle(windowTitle() + texts::elapsedPrefix + ' ' + QString::number(seconds) + " c");
}

void MainWindow::raschet() {
    std::optional<RunDriver> run = RunDriver::begin(experiment_);
    runActive_ = true;
    pace_.restart(Pace::Clock::now());
    while (run && running() && run->goesOn() && !ending_) {
        const StepReport report = run->step();
        if (report.outcome == StepOutcome::NonFinite) {
            platform_.messages.inform(texts::errorTitle, texts::nonFiniteMessage);
            break;
        }
        drawStep(report.drawsFrame);
        Wait(0.01 * experiment_.zamedlenie);
        if (ending_) break;
        if (report.outcome == StepOutcome::Touched) {
            platform_.messages.inform(texts::errorTitle, texts::touchedMessage);
            break;
        }
    }
    runActive_ = false;
    if (!ending_) finishRun();
}

// What one step shows: the traces of all plots, the results line, the magnifier's trace and
// marker, and every second step a new frame of the animation.
void MainWindow::drawStep(bool drawsFrame) {
    graphics::Surfaces all = surfaces();
    graphics::drawRunStep(experiment_, all);
    if (controls_.Check_p->isChecked()) recordStep();
    placeMarker(experiment_.X_1);
    if (drawsFrame) graphics::repaintScene(experiment_, all, plotLayout());
}

void MainWindow::recordStep() {
    const FileStatus status = resultsFile_.writeStep(experiment_, separator());
    if (!status.ok) reportFileFailure(status);
}

void MainWindow::finishRun() {
    if (controls_.Check_p->isChecked()) {
        resultsFile_.close();
        controls_.Check_p->setChecked(false);
    }
    platform_.tone.zvuk(50);
    controls_.CmdOK->setText(texts::startCaption);
    setRunControlsEnabled(true);
    setRunWindowState(false);
}

void MainWindow::setRunControlsEnabled(bool enabled) {
    const MainControls& c = controls_;
    for (QWidget* control : std::initializer_list<QWidget*>{
             c.Text1, c.Text2, c.Text3, c.Text4, c.Text5, c.Text6, c.Text7, c.Text8, c.Text9,
             c.Text18, c.Text19, c.Text20, c.HScroll2, c.Command1, c.VScroll1, c.VScroll2,
             c.VScroll3, c.Check_p})
        control->setEnabled(enabled);
}

// While a run proceeds both windows keep their size and say so in their captions.
void MainWindow::setRunWindowState(bool runInProgress) {
    lockSize(this, runInProgress);
    lockSize(Form3(), runInProgress);
    setWindowTitle(runInProgress ? texts::titleWhileRunning : texts::titleAfterRun);
    Form3()->setWindowTitle(runInProgress ? texts::titleWhileRunning : texts::magnifierTitle);
}

// The pause after a step: the window goes on serving the student (the stop button, the
// slow-down bar, the menus, painting) while the process sleeps until the step's deadline.
void MainWindow::Wait(double seconds) {
    using namespace std::chrono;
    const auto pause = duration_cast<Pace::Clock::duration>(duration<double>(seconds));
    const auto deadline = pace_.nextDeadline(Pace::Clock::now(), pause);
    const auto remaining =
        duration_cast<milliseconds>(deadline - Pace::Clock::now() + microseconds(500));
    if (remaining.count() < 1) {
        QCoreApplication::processEvents(); // behind the pace: still serve the interface once
        return;
    }
    QEventLoop loop;
    pause_ = &loop;
    timerFired_ = false;
    controls_.Timer1->setInterval(static_cast<int>(remaining.count()));
    controls_.Timer1->start();
    loop.exec();
    controls_.Timer1->stop();
    pause_ = nullptr;
    // A nested loop that returns before its timer while the program is ending (or once the
    // application has been told to quit, when every new loop returns at once) must end the run
    // rather than let it race on without pauses.
    if (!timerFired_) ending_ = true;
}

void MainWindow::Timer1_Timer() {
    controls_.Timer1->stop();
    timerFired_ = true;
    if (pause_) pause_->quit();
}

} // namespace trelvix
