// The stored runs drawn behind the current one, with their legend on the X(t) graph; the windows
// that study runs belong to the research controller.

#include "graphics/stored_traces.h"
#include "shell/main_window/main_window.h"
#include "shell/research/research_controller.h"
#include "shell/research/run_legend.h"

namespace trelvix {

void MainWindow::connectResearch() {
    research_ = new ResearchController(platform_, document_, run_,
                                       {menus_.run, menus_.mnuResearchResonance, this,
                                        controls_.field(Input::nu),
                                        [this] { return graphics::phaseFrame(frames_.time); }});
}

// The phase portrait follows, so its legend names the runs against the inputs as they are now.
void MainWindow::drawStoredRuns() {
    graphics::Surfaces all = surfaces();
    graphics::drawStoredTraces(document_.storedRuns().runs(), all);
    graphics::drawLegend(legend(), all.displacement);
    research_->redrawPhasePortrait();
}

std::vector<graphics::LegendEntry> MainWindow::legend() const {
    return storedRunsLegend(document_.storedRuns(), document_.inputs());
}

void MainWindow::openResonanceCurve() {
    research_->openResonanceCurve();
}

ResonanceWindow* MainWindow::resonanceWindow() const {
    return research_->resonanceWindow();
}

MeasurementsWindow* MainWindow::measurementsWindow() const {
    return research_->measurementsWindow();
}

PhasePortraitWindow* MainWindow::phasePortraitWindow() const {
    return research_->phasePortraitWindow();
}

} // namespace trelvix
