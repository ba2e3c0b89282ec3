// The redraw of the main window: layout, view switch, characteristics, clearing the plots.

#include "model/characteristics.h"
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
    clearPanels();
    // The plots then rescale and draw their idle state on the cleared panels.
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
    const QString separator = QLocale::system().decimalPoint();
    const Captions captions = trelvix::parametr(experiment_, separator.toStdString());
    for (const ResultRow& row : resultRows)
        (controls_.*row.label)->setText(QString::fromStdString(captions.*row.caption));
}

void MainWindow::clearPanels() {
    const MainControls& c = controls_;
    for (PictureBox* panel : {c.Picture1, c.Picture2, c.Picture3, c.Picture4, c.Picture6})
        panel->clear();
    Form3()->surface()->clear();
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
