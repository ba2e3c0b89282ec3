#pragma once

// The coordinate frames of all drawing surfaces, estimated from the parameters before anything
// is drawn: nothing is integrated in advance, so the extents come from the derived
// characteristics (the largest expected deviation X_max, the largest speed Vx_max, the energy of
// the initial state).

#include "graphics/surfaces.h"
#include "model/experiment.h"

namespace trelvix::graphics {

// The Y-X plane, shared pixel for pixel by the animation.  X is counted downward from the wheel
// centre, so the top edge is the highest point of the crank pin.
struct PlaneFrame {
    double top = 0;      // −Xm, the crank radius
    double bottom = 0;   // Xg + X_max + d + Xm
    double right = 0;    // half the width: the frame keeps the panel's shape
    double left = 0;     // −right
    double gridStep = 0; // the same across and down, so the cells are square
    double columns = 0;  // width of the plane in grid steps
};

// The time graphs; time runs from 0 to T across each of them.
struct TimeFrames {
    double displacementHalfHeight = 0; // of X(t) − Xg
    double velocityHalfHeight = 0;     // of Vx(t)
    float W_max = 0;                   // energy of the initial state, an upper estimate of W(t)
    double energyTop = 0;
    float energyBottom = 0;
    float periodOnGrid = 0; // the period T_0 on which the vertical grid lines fall
    double periods = 0;     // computation time in periods
    // Value steps between grid lines at the current zoom.
    double displacementGridStep = 0;
    double velocityGridStep = 0;
    float energyGridStep = 0;
};

// The magnifier: a square around the equilibrium point (0, Xg), magnifierZoom grid steps of the
// plane each way.
struct MagnifierFrame {
    double step = 0; // grid step of the plane
    double halfStep = 0;
    double left = 0;
    double top = 0;
    double right = 0;
    double bottom = 0;
};

struct PlotFrames {
    PlaneFrame plane;
    TimeFrames time;
    MagnifierFrame magnifier;
};

// Every frame from the experiment and `planeAspect`, the width-to-height ratio of the Y-X panel.
PlotFrames computeFrames(const Experiment& e, float planeAspect);

// Sets the frames on the six surfaces.  A frame that came out degenerate (an empty panel, a zero
// energy, extreme inputs) makes its surface skip all drawing until the next call.
void applyFrames(const Experiment& e, const PlotFrames& frames, Surfaces& surfaces);

} // namespace trelvix::graphics
