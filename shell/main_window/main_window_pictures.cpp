// The pictures of the plot panels.  An image of a large panel costs tens of megabytes, so only
// the panels in sight keep theirs: a panel hidden by the choice of view gives its picture up and
// is drawn again from the experiment and the records when it is shown, and the animation keeps
// none at all but composes each frame from the Y-X plot as it paints.

#include "graphics/redraw.h"
#include "graphics/scene.h"
#include "graphics/stored_traces.h"
#include "shell/files/lab_report.h"
#include "shell/main_window/main_window.h"
#include "shell/widgets/magnifier_window.h"
#include "shell/widgets/picture_box.h"
#include "shell/widgets/picture_menu.h"

#include <QPainter>
#include <QPicture>

namespace trelvix {

void MainWindow::composeScene() {
    graphics::Surfaces all = surfaces();
    if (drawn_.scene)
        graphics::repaintScene(document_.experiment(), *drawn_.scene, all, plotLayout());
    else
        graphics::drawInitialScene(document_.experiment(), all, plotLayout());
}

void MainWindow::showSceneAtRest() {
    drawn_.scene.reset();
    controls_.animationPanel->update();
}

// Only what the crank, the spring and the ball covered and cover now is painted again.
void MainWindow::showSceneFrame(const RunState& state) {
    graphics::Surface& scene = controls_.animationPanel->surface();
    const Experiment& experiment = document_.experiment();
    const QRect before = graphics::movingPartsExtent(experiment, drawn_.scene, scene);
    drawn_.scene = state;
    controls_.animationPanel->update(before |
                                     graphics::movingPartsExtent(experiment, state, scene));
}

void MainWindow::keepPicturesOfShownPanels() {
    const MainControls& c = controls_;
    for (PictureBox* panel : {c.planePanel, c.displacementPanel, c.velocityPanel, c.energyPanel}) {
        const bool shown = !panel->isHidden();
        if (shown == panel->keepsPicture()) continue;
        panel->setKeepsPicture(shown);
        if (shown && drawn_.ready) redrawPanel(panel);
    }
}

void MainWindow::redrawPanel(PictureBox* panel) {
    drawPanel(panel, panel->surface());
}

// The picture of `panel` drawn on `onto` as a redraw and the run since then drew it: its static
// layer, the stored runs and the run on the panels.  Every other plot is drawn on nothing
// meanwhile.
void MainWindow::drawPanel(PictureBox* panel, graphics::Surface& onto) {
    graphics::Surface nothing;
    const MainControls& c = controls_;
    const auto onPanel = [&](PictureBox* p) -> graphics::Surface& {
        return p == panel ? onto : nothing;
    };
    graphics::Surfaces one{onPanel(c.planePanel),        nothing,
                           onPanel(c.displacementPanel), onPanel(c.velocityPanel),
                           onPanel(c.energyPanel),       onPanel(magnifier()->surface())};
    graphics::drawStaticLayers(document_.experiment(), one, plotLayout(), separator());
    graphics::drawStoredTraces(document_.storedRuns().runs(), one);
    graphics::drawLegend(legend(), one.displacement);
    if (lastRunBelongsToInputs()) graphics::drawRecordedRun(document_.lastRun(), one);
}

void MainWindow::offerPanelPicture(PictureBox* panel) {
    addPictureMenu(panel, platform_);
    panel->setDrawing([this, panel](graphics::Surface& onto) { drawPanel(panel, onto); });
}

// Drawn as a vector drawing, hidden or not, at the size it has in the report, with the panel's
// proportions.
QPicture MainWindow::plotPicture(PictureBox* panel) {
    const QSize size = panel->size().scaled(reportGraphBox, Qt::KeepAspectRatio);
    QPicture picture;
    QPainter painter(&picture);
    panel->paintPicture(painter, size);
    painter.end();
    picture.setBoundingRect(QRect(QPoint(0, 0), size)); // after painting, which sets the extent
    return picture;
}

} // namespace trelvix
