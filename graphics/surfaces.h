#pragma once

// The six drawing surfaces of the simulator.  The windows own the surfaces and show their
// images; the plot routines draw on them through this bundle.

#include "graphics/surface.h"

namespace trelvix::graphics {

struct Surfaces {
    Surface& plane;        // the Y-X plane plot
    Surface& scene;        // the animation of wheel, spring and ball
    Surface& displacement; // displacement from equilibrium against time, X(t) − Xg
    Surface& velocity;     // velocity against time, Vx(t)
    Surface& energy;       // mechanical energy against time, W(t)
    Surface& magnifier;    // the magnifier window
};

} // namespace trelvix::graphics
