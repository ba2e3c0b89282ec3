#pragma once

// The texts of the main window's controls in the current language: captions, tooltips and what a
// screen reader calls each control.  Set once when the controls are built and again whenever the
// language changes.

#include "shell/main_window/main_controls.h"

namespace trelvix {

// startButton says START while no run is going, STOP during one.
void setControlTexts(const MainControls& controls, bool running);

} // namespace trelvix
