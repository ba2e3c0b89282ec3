// The stored runs drawn behind the current one, with their legend on the X(t) graph; the windows
// that study runs belong to the research controller.

#include "graphics/stored_traces.h"
#include "shell/main_window/main_window.h"
#include "shell/research/research_controller.h"
#include "shell/research/run_legend.h"

namespace trelvix {

void MainWindow::connectResearch() {
    features_.research = new ResearchController(
        platform_, document_, run_,
        {menus_.run, menus_.mnuResearchResonance, this, controls_.field(Input::nu),
         [this] { return graphics::phaseFrame(drawn_.frames.time); }});
}

// The phase portrait follows, so its legend names the runs against the inputs as they are now.
void MainWindow::drawStoredRuns() {
    graphics::Surfaces all = surfaces();
    graphics::drawStoredTraces(document_.storedRuns().runs(), all);
    graphics::drawLegend(legend(), all.displacement);
    features_.research->redrawPhasePortrait();
}

std::vector<graphics::LegendEntry> MainWindow::legend() const {
    return storedRunsLegend(document_.storedRuns(), document_.inputs());
}

void MainWindow::openResonanceCurve() {
    features_.research->openResonanceCurve();
}

ResonanceWindow* MainWindow::resonanceWindow() const {
    return features_.research->resonanceWindow();
}

MeasurementsWindow* MainWindow::measurementsWindow() const {
    return features_.research->measurementsWindow();
}

PhasePortraitWindow* MainWindow::phasePortraitWindow() const {
    return features_.research->phasePortraitWindow();
}

} // namespace trelvix
