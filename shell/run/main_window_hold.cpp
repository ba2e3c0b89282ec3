// Holding a run: the pause and single-step commands, the caption of a held run and the time a
// run spends held, which the elapsed seconds leave out.

#include "shell/main_window/main_window.h"
#include "shell/main_window/window_texts.h"

#include <QAction>

namespace trelvix {

void MainWindow::connectHold() {
    runMenu_ = addRunItems(menus_.mnuResearch);
    connect(runMenu_.mnuRunPause, &QAction::triggered, this, [this] {
        if (run_.isHeld())
            run_.proceed();
        else
            run_.hold();
    });
    connect(runMenu_.mnuRunContinue, &QAction::triggered, &run_, &RunController::proceed);
    connect(runMenu_.mnuRunStep, &QAction::triggered, &run_, &RunController::stepOnce);
    connect(&run_, &RunController::holdChanged, this, &MainWindow::showHold);
    connect(&document_, &ExperimentDocument::storedRunsChanged, this, &MainWindow::enableRunItems);
    connect(&document_, &ExperimentDocument::lastRunChanged, this, &MainWindow::enableRunItems);
    enableRunItems();
}

// An item is offered only when it would do something: holding needs a run; keeping needs a
// finished run and forgetting kept runs, and neither may clear the plots under a run.
void MainWindow::enableRunItems() {
    const bool idle = run_.phase() == RunPhase::Idle;
    const bool held = run_.phase() == RunPhase::Held;
    runMenu_.mnuRunPause->setEnabled(!idle);
    runMenu_.mnuRunContinue->setEnabled(held);
    runMenu_.mnuRunStep->setEnabled(held);
    runMenu_.mnuRunKeep->setEnabled(idle && !document_.lastRun().empty());
    runMenu_.mnuRunForget->setEnabled(idle && !document_.storedRuns().runs().empty());
}

void MainWindow::showHold(bool held) {
    enableRunItems();
    const double now = platform_.clock.seconds();
    if (held)
        heldSince_ = now;
    else
        heldSeconds_ += now - heldSince_;
    // A stop while held reports the end of the hold after the caption has been set for the end.
    if (!running()) return;
    setWindowTitle(held ? texts::titleWhileRunning + texts::heldSuffix : texts::titleWhileRunning);
}

} // namespace trelvix
