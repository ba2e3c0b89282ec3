// Holding a run: the pause and single-step commands, the caption of a held run and the time a
// run spends held, which the elapsed seconds leave out.

#include "shell/main_window/main_window.h"

#include <QAction>

namespace trelvix {

void MainWindow::connectHold() {
    connect(menus_.run.mnuRunPause, &QAction::triggered, this, [this] {
        if (run_.isHeld())
            run_.proceed();
        else
            run_.hold();
    });
    connect(menus_.run.mnuRunContinue, &QAction::triggered, &run_, &RunController::proceed);
    connect(menus_.run.mnuRunStep, &QAction::triggered, &run_, &RunController::stepOnce);
    connect(&run_, &RunController::holdChanged, this, &MainWindow::showHold);
    connect(&document_, &ExperimentDocument::storedRunsChanged, this, &MainWindow::enableMenuItems);
    connect(&document_, &ExperimentDocument::lastRunChanged, this, &MainWindow::enableMenuItems);
    enableMenuItems();
}

void MainWindow::enableMenuItems() {
    enableMenus(menus_, {run_.phase(), !document_.lastRun().empty(),
                         !document_.storedRuns().runs().empty()});
}

void MainWindow::showHold(bool held) {
    enableMenuItems();
    const double now = platform_.clock.seconds();
    if (held)
        held_.since = now;
    else
        held_.seconds += now - held_.since;
    // A stop while held reports the end of the hold after the caption has been set for the end.
    if (!running()) return;
    caption_.state = held ? Caption::State::Held : Caption::State::Running;
    showTitles();
}

} // namespace trelvix
