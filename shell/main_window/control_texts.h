#pragma once

// The texts of the main window's controls in the current language: captions, tooltips and what a
// screen reader calls each control.  Set once when the controls are built and again whenever the
// language changes.

#include "shell/main_window/control_inventory.h"
#include "shell/main_window/main_controls.h"

#include <QString>

namespace trelvix {

// startButton says START while no run is going, STOP during one.
void setControlTexts(const MainControls& controls, bool running);

// What a result is, as its tooltip says ("добротность"), in the current language.
QString resultName(const ResultRow& row);

} // namespace trelvix
