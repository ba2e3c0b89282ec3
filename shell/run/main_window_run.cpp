// Running the experiment: the start/stop button, the drawing of every step, and the end of a run.
// The computation and its pacing are the run controller's.

#include "graphics/magnifier.h"
#include "graphics/redraw.h"
#include "graphics/run_step.h"
#include "model/characteristics.h"
#include "shell/main_window/main_window.h"
#include "shell/main_window/window_texts.h"
#include "shell/widgets/circle_shape.h"
#include "shell/widgets/magnifier_window.h"
#include "shell/widgets/picture_box.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
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

void MainWindow::connectRun() {
    connect(&run_, &RunController::stepped, this, &MainWindow::drawStep);
    connect(&run_, &RunController::finished, this, &MainWindow::runFinished);
    connect(&run_, &RunController::recordingFailed, this, &MainWindow::reportFileFailure);
}

bool MainWindow::running() const {
    return run_.phase() == RunPhase::Running || run_.phase() == RunPhase::Held;
}

void MainWindow::startOrStop() {
    const double clickedAt = platform_.clock.seconds();
    // A click while a stopped run is still finishing its last pause would begin a run inside
    // the old one: it does nothing.
    if (run_.phase() == RunPhase::Stopping) return;
    if (!running()) {
        if (!canRun(document_.inputs(), document_.characteristics())) {
            platform_.tone.sound(messageToneUnits);
            platform_.messages.inform(texts::errorTitle(), texts::cannotRunMessage());
            return;
        }
        controls_.startButton->setText(texts::stopCaption());
        setRunControlsEnabled(false);
        setRunWindowState(true);
        run_.setDecimalSeparator(separator());
        held_.seconds = 0;
        run_.run(document_.inputs(), document_.characteristics());
        enableMenuItems(); // the run is over
    } else {
        controls_.startButton->setText(texts::startCaption());
        setRunWindowState(false);
        run_.requestStop();
    }
    if (run_.programEnding()) return;
    // Whole-second readings subtracted, as a student timing the run with a watch would that is
    // stopped while the run is held.
    const double endedAt = platform_.clock.seconds() - held_.seconds;
    const auto seconds = static_cast<long long>(std::floor(endedAt) - std::floor(clickedAt));
    caption_.elapsedSeconds = seconds;
    showTitles();
}

// What one step shows: the traces of all plots and the magnifier's trace and marker, and every
// second step a new frame of the animation.
void MainWindow::drawStep(const RunState& state, bool drawsFrame) {
    graphics::Surfaces all = surfaces();
    graphics::drawRunStep(state, document_.characteristics().Xg, all);
    placeMarker(state.X);
    if (drawsFrame) showSceneFrame(state);
}

void MainWindow::runFinished(RunEnd end) {
    if (end == RunEnd::NonFinite)
        platform_.messages.inform(texts::errorTitle(), texts::nonFiniteMessage());
    if (end == RunEnd::Touched)
        platform_.messages.inform(texts::errorTitle(), texts::touchedMessage());
    controls_.resultsFileBox->setChecked(false);
    platform_.tone.sound(endOfRunToneUnits);
    controls_.startButton->setText(texts::startCaption());
    setRunControlsEnabled(true);
    setRunWindowState(false);
}

// Everything that changes what a run computes or shows is locked while it proceeds; the slow-down
// bar and the choice of view stay live.
void MainWindow::setRunControlsEnabled(bool enabled) {
    const MainControls& c = controls_;
    for (QLineEdit* field : c.fields)
        field->setEnabled(enabled);
    for (QWidget* control : std::initializer_list<QWidget*>{
             c.magnifierZoomBar, c.magnifierButton, c.displacementZoomBar, c.velocityZoomBar,
             c.energyZoomBar, c.resultsFileBox})
        control->setEnabled(enabled);
    enableMenuItems();
}

// While a run proceeds both windows keep their size and say so in their captions.
void MainWindow::setRunWindowState(bool runInProgress) {
    lockSize(this, runInProgress);
    lockSize(magnifier(), runInProgress);
    caption_ = {runInProgress ? Caption::State::Running : Caption::State::AfterRun, {}};
    showTitles();
}

// The captions in the current language.  The magnifier, once there is one (a run creates it
// before it begins), says too that a run locks its size.
void MainWindow::showTitles() {
    using enum Caption::State;
    const Caption& c = caption_;
    QString title = c.state == AtStart    ? texts::titleAtStart()
                    : c.state == AfterRun ? texts::titleAfterRun()
                                          : texts::titleWhileRunning();
    if (c.state == Held) title += texts::heldSuffix();
    if (c.elapsedSeconds)
        title += texts::elapsedPrefix() + texts::elapsedSeconds(*c.elapsedSeconds);
    setWindowTitle(title);
    if (magnifier_) magnifier_->showRunInProgress(c.state == Running || c.state == Held);
}

} // namespace trelvix
