#pragma once

// What a run draws after each integration step: one red segment on each of the Y-X plane and
// the three time graphs, and the magnifier's trace.  Each continues from where the previous step
// (or the static layer) left off, so every plot shows the run as one polyline.

#include "graphics/surfaces.h"
#include "model/experiment.h"

namespace trelvix::graphics {

// Draws the state after the step (t, X_1, Vx_1, W of `e`):
//   Picture1 to (0, X_1), Picture3 to (t, X_1 − Xg), Picture4 to (t, Vx_1), Picture6 to (t, W),
//   Form3 to (0, X_1) 3 pixels wide.
// The animation is repainted separately with repaintScene() every second step, and the
// magnifier's marker moved to markerRect(form3, X_1, …).
void drawRunStep(const Experiment& e, Surfaces& surfaces);

} // namespace trelvix::graphics
