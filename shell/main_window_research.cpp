// The windows that study runs: the measurements of the last run and its phase portrait.  Both
// read the run controller's record, never the panels.

#include "graphics/phase_portrait.h"
#include "shell/main_window.h"
#include "shell/measurements_window.h"
#include "shell/phase_portrait_window.h"
#include "shell/picture_box.h"

#include <QAction>

namespace trelvix {

void MainWindow::connectResearch() {
    connect(runMenu_.mnuMeasurements, &QAction::triggered, this, &MainWindow::openMeasurements);
    connect(runMenu_.mnuPhasePortrait, &QAction::triggered, this, &MainWindow::openPhasePortrait);
    connect(&run_, &RunController::finished, this, [this] {
        if (measurements_) measurements_->show(run_.record(), separatorText());
    });
    connect(&run_, &RunController::stepped, this, &MainWindow::drawPhaseStep);
}

void MainWindow::openMeasurements() {
    if (!measurements_) measurements_ = new MeasurementsWindow;
    measurements_->show(run_.record(), separatorText());
}

void MainWindow::openPhasePortrait() {
    if (!phasePortrait_) {
        phasePortrait_ = new PhasePortraitWindow;
        connect(phasePortrait_, &PhasePortraitWindow::resized, this,
                &MainWindow::redrawPhasePortrait);
    }
    phasePortrait_->show();
    phasePortrait_->raise();
    redrawPhasePortrait();
}

MeasurementsWindow* MainWindow::measurementsWindow() const {
    return measurements_;
}

PhasePortraitWindow* MainWindow::phasePortraitWindow() const {
    return phasePortrait_;
}

void MainWindow::redrawPhasePortrait() {
    if (!phasePortrait_) return;
    phasePortrait_->drawWhole(graphics::phaseFrame(frames_.time), run_.record(), separatorText());
}

void MainWindow::drawPhaseStep(const RunState& state) {
    if (!phasePortrait_) return;
    if (run_.record().stepCount() == 1)
        phasePortrait_->beginRun(graphics::phaseFrame(frames_.time), run_.record(),
                                 separatorText());
    phasePortrait_->drawStep(state.X - experiment_.derived.Xg, state.Vx);
}

} // namespace trelvix
