#pragma once

// The six drawing surfaces of the simulator, by their window names.  The windows own the
// surfaces and show their images; the plot routines draw on them through this bundle.

#include "graphics/surface.h"

namespace trelvix::graphics {

struct Surfaces {
    Surface& picture1; // the Y-X plane plot
    Surface& picture2; // the animation of wheel, spring and ball
    Surface& picture3; // displacement from equilibrium against time, X(t) − Xg
    Surface& picture4; // velocity against time, Vx(t)
    Surface& picture6; // mechanical energy against time, W(t)
    Surface& form3;    // the magnifier window
};

} // namespace trelvix::graphics
