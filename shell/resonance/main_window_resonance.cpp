// «Исследование» → «Резонансная кривая»: the curve of the current parameters, computed at once.

#include "shell/main_window/main_window.h"
#include "shell/resonance/resonance_setup.h"
#include "shell/resonance/resonance_window.h"

#include <QLineEdit>

namespace trelvix {

// The window opens beside the main window with the range around the current ν0; choosing the
// item again while it is open computes the curve anew for the parameters as they are now.
void MainWindow::openResonanceCurve() {
    if (!resonanceWindow_) {
        resonanceWindow_ = new ResonanceWindow(platform_, document_, controls_.field(Input::nu));
        resonanceWindow_->setRange(defaultResonanceRange(document_.characteristics()));
        const QRect outer = frameGeometry();
        resonanceWindow_->move(outer.x() + outer.width(), outer.y());
    }
    resonanceWindow_->show();
    resonanceWindow_->raise();
    resonanceWindow_->activateWindow();
    resonanceWindow_->computeCurve();
}

ResonanceWindow* MainWindow::resonanceWindow() const {
    return resonanceWindow_;
}

} // namespace trelvix
