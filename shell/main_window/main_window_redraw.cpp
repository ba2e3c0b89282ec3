// The redraw of the main window: layout, view switch, characteristics, and every plot cleared
// and drawn anew in its idle state.

#include "graphics/magnifier.h"
#include "graphics/redraw.h"
#include "model/captions.h"
#include "platform/decimal_separator.h"
#include "shell/main_window/caption_alignment.h"
#include "shell/main_window/control_inventory.h"
#include "shell/main_window/main_window.h"
#include "shell/widgets/circle_shape.h"
#include "shell/widgets/magnifier_window.h"
#include "shell/widgets/picture_box.h"

#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QScrollBar>

namespace trelvix {

namespace {

// The two option buttons one above the other inside the frame's border, below its title, with
// a little air on every side, so that neither the circles nor the longer caption touch the
// border.
void placeViewOptions(const MainControls& c) {
    const QRect inside = c.viewFrame->contentsRect().adjusted(1, 1, -1, -1);
    const int height = std::min(20, inside.height() / 2);
    c.animationOption->setGeometry(inside.left(), inside.top(), inside.width(), height);
    c.graphsOption->setGeometry(inside.left(), inside.top() + height, inside.width(), height);
}

} // namespace

void MainWindow::redraw() {
    if (!drawn_.ready) return; // size changes while the window is being prepared are ignored
    layOut();
    showCharacteristics();
    alignGreekLetters(controls_);
    redrawPlots();
}

// Every panel and the magnifier cleared, their frames computed from the current parameters and
// layout, and their static layers drawn; the magnifier's marker back on the starting point.
void MainWindow::redrawPlots() {
    for (PictureBox* panel :
         {controls_.planePanel, controls_.animationPanel, controls_.displacementPanel,
          controls_.velocityPanel, controls_.energyPanel, magnifier()->surface()})
        panel->clear(); // sizes each image to its panel, shown or not
    graphics::Surfaces all = surfaces();
    drawn_.frames = graphics::redrawAll(document_.experiment(), all, plotLayout(), separator());
    drawStoredRuns(); // behind the traces of the last run or the run to come
    placeMarker(document_.inputs().X0);
    if (lastRunBelongsToInputs()) graphics::drawRecordedRun(document_.lastRun(), all);
    showSceneAtRest();
}

// A run drawn on panels whose scales and static layers come from other inputs would be a lie:
// the last run is shown only while the inputs are those it ran with.
bool MainWindow::lastRunBelongsToInputs() const {
    return !document_.lastRun().empty() && document_.lastRun().inputs() == document_.inputs();
}

graphics::Surfaces MainWindow::surfaces() {
    const MainControls& c = controls_;
    return {c.planePanel->surface(),        c.animationPanel->surface(),
            c.displacementPanel->surface(), c.velocityPanel->surface(),
            c.energyPanel->surface(),       magnifier()->surface()->surface()};
}

// The marker centred on the ball centre (0, X) of the magnifier's frame.
void MainWindow::placeMarker(double X) {
    QWidget* marker = magnifier()->marker();
    marker->setGeometry(graphics::markerRect(magnifier()->surface()->surface(), X, marker->size()));
}

QString MainWindow::separatorText() const {
    return desktopDecimalSeparator();
}

void MainWindow::layOut() {
    drawn_.placement = layoutFor(clientArea()->size());
    drawn_.placement.apply(controls_);
    placeViewOptions(controls_);
    showChosenView();
}

// Writes the characteristics of the experiment into the result labels.
void MainWindow::showCharacteristics() {
    const Captions captions =
        captionsOf(document_.inputs(), document_.characteristics(), separator());
    for (const ResultRow& row : resultRows)
        controls_.result(row.result)
            ->setText(QString::fromStdString(captionOf(captions, row.result)));
}

void MainWindow::showChosenView() {
    const MainControls& c = controls_;
    bool animation = false;
    if (c.animationOption->isChecked())
        animation = true;
    else if (!c.graphsOption->isChecked())
        return; // neither view chosen: everything stays as it is

    const std::pair<QWidget*, bool> visibility[] = {
        {c.planePanel, animation},         {c.animationPanel, animation},
        {c.displacementPanel, !animation}, {c.velocityPanel, !animation},
        {c.energyPanel, !animation},       {c.displacementZoomBar, !animation},
        {c.velocityZoomBar, !animation},   {c.energyZoomBar, !animation},
    };
    for (const auto& [widget, visible] : visibility)
        widget->setVisible(visible);
    keepPicturesOfShownPanels();
}

} // namespace trelvix
