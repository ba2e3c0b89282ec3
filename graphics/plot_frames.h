#pragma once

// The coordinate frames of all drawing surfaces, estimated from the parameters before anything
// is drawn: nothing is integrated in advance, so the extents come from the derived
// characteristics (the largest expected deviation X_max, the largest speed Vx_max, the energy of
// the initial state).

#include "graphics/surfaces.h"
#include "model/experiment.h"

namespace trelvix::graphics {

struct PlotFrames {
    // The Y-X plane, shared pixel for pixel by the animation.  X is counted downward from the
    // wheel centre, so the top edge is the highest point of the crank pin.
    double verh_yx = 0;       // top edge: −R_kolesa
    double niz_yx = 0;        // bottom edge: Xg + X_max + d + Xm
    double pravo_yx = 0;      // right edge: half the width, the frame keeps the panel's shape
    double levo_yx = 0;       // left edge: −pravo_yx
    double shag_setki_yx = 0; // grid step, the same across and down, so the cells are square
    double n_kolonok_yx = 0;  // width of the plane in grid steps

    // The time graphs; time runs from 0 to T across each of them.
    double vysota_x_t = 0;     // half-height of X(t) − Xg
    double vysota_v_t = 0;     // half-height of Vx(t)
    float W_max = 0;           // energy of the initial state, an upper estimate of W(t)
    double verh_w_t = 0;       // top of W(t)
    float niz_w_t = 0;         // bottom of W(t)
    float T_0_graf = 0;        // the period T_0 on which the vertical grid lines fall
    double n_periodov = 0;     // computation time in periods
    double shag_setki_y_3 = 0; // value step of the X(t) grid at zoom 1
    double shag_setki_y_4 = 0; // value step of the Vx(t) grid at zoom 1
    float shag_setki_y_6 = 0;  // value step of the W(t) grid at zoom 1

    // The magnifier: a square around the equilibrium point (0, Xg), masshtab_1 grid steps of the
    // plane each way.
    double shag_lupy = 0;
    double polshaga_lupy = 0;
    double levo_lupy = 0;
    double verh_lupy = 0;
    double pravo_lupy = 0;
    double niz_lupy = 0;
};

// Computes every frame from the experiment (its derived characteristics must be current) and
// `koeff_1`, the width-to-height ratio of Picture1, and sets it on the six surfaces.  A frame
// that comes out degenerate (an empty panel, a zero energy, extreme inputs) makes its surface
// skip all drawing until the next call.
void minmax(const Experiment& e, float koeff_1, PlotFrames& frames, Surfaces& surfaces);

} // namespace trelvix::graphics
