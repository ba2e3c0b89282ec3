// The redraw of the main window: layout, view switch, characteristics, and every plot cleared
// and drawn anew in its idle state.

#include "graphics/magnifier.h"
#include "graphics/redraw.h"
#include "model/captions.h"
#include "shell/caption_alignment.h"
#include "shell/circle_shape.h"
#include "shell/control_inventory.h"
#include "shell/magnifier_window.h"
#include "shell/main_window.h"
#include "shell/picture_box.h"

#include <QGroupBox>
#include <QLabel>
#include <QLocale>
#include <QRadioButton>
#include <QScrollBar>

namespace trelvix {

namespace {

// The two option buttons one above the other inside the frame's border, below its title, with
// a little air on every side, so that neither the circles nor the longer caption touch the
// border.
void placeViewOptions(const MainControls& c) {
    const QRect inside = c.Frame1->contentsRect().adjusted(1, 1, -1, -1);
    const int height = std::min(20, inside.height() / 2);
    c.Option1->setGeometry(inside.left(), inside.top(), inside.width(), height);
    c.Option2->setGeometry(inside.left(), inside.top() + height, inside.width(), height);
}

} // namespace

void MainWindow::redraw() {
    if (!ready_) return; // size changes while the window is being prepared are ignored
    layOut();
    showCharacteristics();
    alignGreekLetters(controls_);
    redrawPlots();
}

// Every panel and the magnifier cleared, their frames computed from the current parameters and
// layout, and their static layers drawn; the magnifier's marker back on the starting point.
void MainWindow::redrawPlots() {
    for (PictureBox* panel : {controls_.Picture1, controls_.Picture2, controls_.Picture3,
                              controls_.Picture4, controls_.Picture6, magnifier()->surface()})
        panel->clear(); // sizes each image to its panel, shown or not
    graphics::Surfaces all = surfaces();
    frames_ = graphics::redrawAll(experiment_, all, plotLayout(), separator());
    drawStoredRuns(); // behind the traces of the run to come
    placeMarker(experiment_.inputs.X0);
    runOnPanels_ = false;
    showSceneAtRest();
}

graphics::Surfaces MainWindow::surfaces() {
    const MainControls& c = controls_;
    return {c.Picture1->surface(), c.Picture2->surface(), c.Picture3->surface(),
            c.Picture4->surface(), c.Picture6->surface(), magnifier()->surface()->surface()};
}

// The marker centred on the ball centre (0, X) of the magnifier's frame.
void MainWindow::placeMarker(double X) {
    QWidget* marker = magnifier()->marker();
    marker->setGeometry(graphics::markerRect(magnifier()->surface()->surface(), X, marker->size()));
}

QString MainWindow::separatorText() const {
    return QLocale::system().decimalPoint();
}

void MainWindow::layOut() {
    placement_ = layoutFor(clientArea()->size());
    for (const Placement& p : placement_.placements)
        clientArea()
            ->findChild<QWidget*>(QLatin1String(p.name), Qt::FindDirectChildrenOnly)
            ->setGeometry(p.rect);
    placeViewOptions(controls_);
    showChosenView();
}

// Recomputes the characteristics of the experiment and writes them into the result labels.
void MainWindow::showCharacteristics() {
    experiment_.derive();
    const Captions captions = captionsOf(experiment_.inputs, experiment_.derived, separator());
    for (const ResultRow& row : resultRows)
        (controls_.*row.label)->setText(QString::fromStdString(captions.*row.caption));
}

void MainWindow::showChosenView() {
    const MainControls& c = controls_;
    bool animation = false;
    if (c.Option1->isChecked())
        animation = true;
    else if (!c.Option2->isChecked())
        return; // neither view chosen: everything stays as it is

    const std::pair<QWidget*, bool> visibility[] = {
        {c.Picture1, animation},  {c.Picture2, animation},  {c.Picture3, !animation},
        {c.Picture4, !animation}, {c.Picture6, !animation}, {c.VScroll1, !animation},
        {c.VScroll2, !animation}, {c.VScroll3, !animation},
    };
    for (const auto& [widget, visible] : visibility)
        widget->setVisible(visible);
    keepPicturesOfShownPanels();
}

} // namespace trelvix
