// The redraw of the main window: layout, view switch, characteristics, and every plot cleared
// and drawn anew in its idle state.

#include "graphics/magnifier.h"
#include "graphics/redraw.h"
#include "model/characteristics.h"
#include "shell/circle_shape.h"
#include "shell/control_inventory.h"
#include "shell/magnifier_window.h"
#include "shell/main_window.h"
#include "shell/picture_box.h"

#include <QLabel>
#include <QLocale>
#include <QRadioButton>
#include <QScrollBar>

namespace trelvix {

void MainWindow::Form_Resize() {
    if (zagruzka_ == 0) return; // size changes while the window is being prepared are ignored
    razmetka();
    parametr();
    redrawPlots();
}

// Every panel and the magnifier cleared, their frames computed from the current parameters and
// layout, and their static layers drawn; the magnifier's marker back on the starting point.
void MainWindow::redrawPlots() {
    for (PictureBox* panel : {controls_.Picture1, controls_.Picture2, controls_.Picture3,
                              controls_.Picture4, controls_.Picture6, Form3()->surface()})
        panel->clear(); // sizes each image to its panel, shown or not
    graphics::Surfaces all = surfaces();
    graphics::redrawAll(experiment_, frames_, all, plotLayout(), separator());
    placeMarker(experiment_.X0);
}

graphics::Surfaces MainWindow::surfaces() {
    const MainControls& c = controls_;
    return {c.Picture1->surface(), c.Picture2->surface(), c.Picture3->surface(),
            c.Picture4->surface(), c.Picture6->surface(), Form3()->surface()->surface()};
}

// The marker Shape1 centred on the ball centre (0, X) of the magnifier's frame.
void MainWindow::placeMarker(double X) {
    QWidget* marker = Form3()->Shape1();
    marker->setGeometry(graphics::markerRect(Form3()->surface()->surface(), X, marker->size()));
}

QString MainWindow::separatorText() const {
    return QLocale::system().decimalPoint();
}

void MainWindow::razmetka() {
    placement_ = trelvix::razmetka(clientArea()->size());
    for (const Placement& p : placement_.placements)
        clientArea()
            ->findChild<QWidget*>(QLatin1String(p.name), Qt::FindDirectChildrenOnly)
            ->setGeometry(p.rect);
    vybor_grafika();
}

void MainWindow::parametr() {
    const Captions captions = trelvix::parametr(experiment_, separator());
    for (const ResultRow& row : resultRows)
        (controls_.*row.label)->setText(QString::fromStdString(captions.*row.caption));
}

void MainWindow::vybor_grafika() {
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
}

void MainWindow::Option1_Click() {
    vybor_grafika();
}
void MainWindow::Option2_Click() {
    vybor_grafika();
}

} // namespace trelvix
