// The windows and plots that study runs: the measurements of the last run, its phase portrait,
// and the stored runs drawn behind the current one.  All of them read records, never the panels.

#include "graphics/phase_portrait.h"
#include "graphics/stored_traces.h"
#include "shell/main_window/main_window.h"
#include "shell/research/measurements_window.h"
#include "shell/research/phase_portrait_window.h"
#include "shell/research/run_legend.h"
#include "shell/widgets/picture_box.h"

#include <QAction>

namespace trelvix {

void MainWindow::connectResearch() {
    connect(runMenu_.mnuRunKeep, &QAction::triggered, this, &MainWindow::keepLastRun);
    connect(runMenu_.mnuRunForget, &QAction::triggered, this, &MainWindow::forgetRuns);
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

// Keeping and forgetting are refused during a run: the record is still growing, and the plots
// must not be cleared under the trace being drawn.
void MainWindow::keepLastRun() {
    if (run_.isActive()) return;
    document_.keepLastRun();
}

void MainWindow::forgetRuns() {
    if (run_.isActive()) return;
    document_.forgetRuns();
}

// The stored runs behind the plots, and their legend on the X(t) graph; the phase portrait
// follows, so its legend names the runs against the inputs as they are now.
void MainWindow::drawStoredRuns() {
    graphics::Surfaces all = surfaces();
    graphics::drawStoredTraces(document_.storedRuns().runs(), all);
    graphics::drawLegend(legend(), all.displacement);
    redrawPhasePortrait();
}

std::vector<graphics::LegendEntry> MainWindow::legend() const {
    std::vector<graphics::LegendEntry> entries;
    for (std::size_t i = 0; i < document_.storedRuns().runs().size(); ++i)
        entries.push_back(
            {legendText(document_.storedRuns().runs()[i].inputs(), document_.inputs()),
             graphics::storedRunColour(i)});
    return entries;
}

MeasurementsWindow* MainWindow::measurementsWindow() const {
    return measurements_;
}

PhasePortraitWindow* MainWindow::phasePortraitWindow() const {
    return phasePortrait_;
}

void MainWindow::redrawPhasePortrait() {
    if (!phasePortrait_) return;
    phasePortrait_->setBackground(graphics::phaseFrame(frames_.time), document_.storedRuns(),
                                  legend(), separatorText());
    phasePortrait_->drawWhole(run_.record());
}

void MainWindow::drawPhaseStep(const RunState& state) {
    if (!phasePortrait_) return;
    if (run_.record().stepCount() == 1) {
        phasePortrait_->setBackground(graphics::phaseFrame(frames_.time), document_.storedRuns(),
                                      legend(), separatorText());
        phasePortrait_->beginRun(run_.record());
    }
    phasePortrait_->drawStep(state.X - document_.characteristics().Xg, state.Vx);
}

} // namespace trelvix
