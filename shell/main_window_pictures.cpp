// The pictures of the plot panels.  An image of a large panel costs tens of megabytes, so only
// the panels in sight keep theirs: a panel hidden by the choice of view gives its picture up and
// is drawn again from the experiment and the records when it is shown, and the animation keeps
// none at all but composes each frame from the Y-X plot as it paints.

#include "graphics/redraw.h"
#include "graphics/scene.h"
#include "graphics/stored_traces.h"
#include "shell/main_window.h"
#include "shell/picture_box.h"

namespace trelvix {

void MainWindow::composeScene() {
    graphics::Surfaces all = surfaces();
    if (sceneState_)
        graphics::repaintScene(experiment_, *sceneState_, all, plotLayout());
    else
        graphics::drawInitialScene(experiment_, all, plotLayout());
}

void MainWindow::showSceneAtRest() {
    sceneState_.reset();
    controls_.Picture2->update();
}

// Only what the crank, the spring and the ball covered and cover now is painted again.
void MainWindow::showSceneFrame(const RunState& state) {
    graphics::Surface& scene = controls_.Picture2->surface();
    const QRect before = graphics::movingPartsExtent(experiment_, sceneState_, scene);
    sceneState_ = state;
    controls_.Picture2->update(before | graphics::movingPartsExtent(experiment_, state, scene));
}

void MainWindow::keepPicturesOfShownPanels() {
    const MainControls& c = controls_;
    for (PictureBox* panel : {c.Picture1, c.Picture3, c.Picture4, c.Picture6}) {
        const bool shown = !panel->isHidden();
        if (shown == panel->keepsPicture()) continue;
        panel->setKeepsPicture(shown);
        if (shown && ready_) redrawPanel(panel);
    }
}

// The panel drawn as a redraw and the run since then drew it: its static layer, the stored runs
// and the run on the panels.  Every other plot is drawn on nothing meanwhile.
void MainWindow::redrawPanel(PictureBox* panel) {
    graphics::Surface nothing;
    const MainControls& c = controls_;
    const auto onPanel = [&](PictureBox* p) -> graphics::Surface& {
        return p == panel ? panel->surface() : nothing;
    };
    graphics::Surfaces one{onPanel(c.Picture1), nothing, onPanel(c.Picture3), onPanel(c.Picture4),
                           onPanel(c.Picture6), nothing};
    graphics::drawStaticLayers(experiment_, one, plotLayout(), separator());
    graphics::drawStoredTraces(storedRuns_.runs(), one);
    graphics::drawLegend(legend(), one.displacement);
    if (runOnPanels_) graphics::drawRecordedRun(run_.record(), one);
}

QImage MainWindow::plotPicture(PictureBox* panel) {
    if (panel->keepsPicture()) return panel->image();
    panel->setKeepsPicture(true);
    redrawPanel(panel);
    const QImage picture = panel->image();
    panel->setKeepsPicture(false);
    return picture;
}

} // namespace trelvix
