#pragma once

// What a run draws after each integration step: one red segment on each of the Y-X plane and
// the three time graphs, and the magnifier's trace.  Each continues from where the previous step
// (or the static layer) left off, so every plot shows the run as one polyline.

#include "graphics/surfaces.h"
#include "model/motion.h"

namespace trelvix::graphics {

// Draws the state after the step:
//   the plane to (0, X), X(t) to (t, X − Xg), Vx(t) to (t, Vx), W(t) to (t, W),
//   the magnifier to (0, X) 3 pixels wide.
// The animation is repainted separately with repaintScene() every second step, and the
// magnifier's marker moved to markerRect(magnifier, X, …).
void drawRunStep(const RunState& state, double Xg, Surfaces& surfaces);

} // namespace trelvix::graphics
