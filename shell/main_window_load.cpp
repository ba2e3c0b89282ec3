// Start-up of the main window: everything that happens before it is first shown.

#include "model/number_text.h"
#include "shell/main_window.h"

#include <QLabel>
#include <QLineEdit>
#include <QScreen>

namespace trelvix {

// Nothing is drawn here: the first redraw comes with the first resize of the shown window, once
// zagruzka is 1.
void MainWindow::Form_Load() {
    const MainControls& c = controls_;
    for (QLabel* holder :
         {c.Picture8, c.Picture9, c.Picture10, c.Picture11, c.Picture12, c.Picture13, c.Picture5})
        holder->hide();
    attachMenuPictures(menus_, controls_);

    zagruzka_ = 0;
    placeOnScreen();
    nach_dannye();
    parametr();
    zagruzka_ = 1;
}

// The top-left corner of the window at 5 % of the screen's width and height.
void MainWindow::placeOnScreen() {
    const QRect screenArea = screen()->geometry();
    move(screenArea.x() + qRound(0.05 * screenArea.width()),
         screenArea.y() + qRound(0.05 * screenArea.height()));
}

// The initial experiment, and its inputs written into the fields with a decimal point whatever
// the desktop's regional settings.
void MainWindow::nach_dannye() {
    experiment_ = initialExperiment();
    const Experiment& e = experiment_;
    const MainControls& c = controls_;
    const auto write = [](QLineEdit* field, const std::string& text) {
        field->setText(QString::fromStdString(text));
    };
    write(c.Text1, formatNumber(e.m, "0.000000"));
    write(c.Text4, generalNumber(e.d));
    write(c.Text7, generalNumber(e.c));
    write(c.Text8, generalNumber(e.k));
    write(c.Text2, generalNumber(e.L0));
    write(c.Text3, generalNumber(e.ro));
    write(c.Text5, generalNumber(e.eta));
    write(c.Text6, generalNumber(e.Xm));
    write(c.Text9, generalNumber(e.nu));
    write(c.Text18, generalNumber(e.X0));
    write(c.Text19, generalNumber(e.V0x));
    write(c.Text20, generalNumber(e.T));
    c.Label21->setText(QString::number(e.zamedlenie));
}

} // namespace trelvix
