// Start-up of the main window: everything that happens before it is first shown.

#include "model/number_text.h"
#include "shell/main_window/main_window.h"
#include "shell/widgets/picture_box.h"
#include "shell/widgets/window_placement.h"

#include <QLabel>
#include <QLineEdit>
#include <QScreen>

namespace trelvix {

// Nothing is drawn here: the first redraw comes with the first resize of the shown window, once
// the window is ready.
void MainWindow::prepare() {
    controls_.animationPanel->composeWith([this] { composeScene(); });

    drawn_.ready = false;
    placeOnScreen();
    writeInitialInputs();
    showCharacteristics();
    connectDocument();
    drawn_.ready = true;
}

// The top-left corner of the window at 5 % of the screen's width and height, moved in as far as
// the part of the screen that windows may use needs for the whole window to stand there.  The
// window keeps its designed size: on a screen smaller than that its top-left corner stays in
// reach.
void MainWindow::placeOnScreen() {
    const QRect screenArea = screen()->geometry();
    const QRect wanted(screenArea.x() + qRound(0.05 * screenArea.width()),
                       screenArea.y() + qRound(0.05 * screenArea.height()), width(), height());
    // Centred over where it wants to be, the window stands there unless it must move in.
    move(placeWindow(screen()->availableGeometry(), wanted, wanted.size(), WindowPlacement::Centred)
             .topLeft());
}

// The initial experiment, its inputs written into the fields (whose handlers store them) with a
// decimal point whatever the desktop's regional settings.
void MainWindow::writeInitialInputs() {
    document_.reset();
    const Inputs initial = document_.inputs();
    for (const InputRow& row : inputTable())
        controls_.field(row.input)->setText(QString::fromStdString(displayText(row, initial)));
    showSlowDown(int(document_.view().slowDown));
}

} // namespace trelvix
