#pragma once

// The items of the «Исследование» menu that act on runs: holding, continuing and stepping the
// run in progress, and the windows that study the last run.

class QAction;
class QMenu;

namespace trelvix {

struct RunMenuItems {
    QAction* mnuRunPause;      // F5 or Pause: holds the run, or continues a held one
    QAction* mnuRunContinue;   // continues a held run
    QAction* mnuRunStep;       // F6: one step of a held run
    QAction* mnuRunKeep;       // keeps the last run to compare with later ones
    QAction* mnuRunForget;     // forgets the kept runs
    QAction* mnuPhasePortrait; // the phase portrait window
    QAction* mnuMeasurements;  // the measurements of the last run
};

} // namespace trelvix
