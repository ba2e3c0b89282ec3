#pragma once

// The animation panel Picture2: a copy of the Y-X plot (grid, wheel, equilibrium line and the
// trace so far) with the crank rod, the red crank pin, the spring and the grey ball on top.

#include "graphics/plot_layout.h"
#include "graphics/surface.h"
#include "graphics/surfaces.h"
#include "model/experiment.h"

namespace trelvix::graphics {

// The initial scene, in the redraw sequence after axes(): the pin at the bottom of the wheel,
// the ball at X0.
void axes_2(const Experiment& e, Surfaces& surfaces, const PlotLayout& layout);

// The scene during a run: cleared, copied anew from Picture1, the pin at
// (koleso_x + kriv_x, koleso_y + kriv_y), the ball at X_1.  The run calls it every second step.
void repaintScene(const Experiment& e, Surfaces& surfaces, const PlotLayout& layout);

// The spring from its upper end (z_x0, z_y0) to its lower end (z_x, z_y): a straight lead of
// one half-wave, 2·n_vitkov − 3 half-waves of amplitude polushirina_prug, a lead of two
// half-waves.  The waves stretch with the length; a spring of zero length is a dot, and one too
// long to measure (ends at extreme coordinates) a straight line.
void prug(const Experiment& e, Surface& picture2, double z_x0, double z_y0, double z_x, double z_y);

// The ball of radius R_shara about (z_x, z_y), grey with a black outline of the current width.
void gruz(const Experiment& e, Surface& picture2, double z_x, double z_y);

} // namespace trelvix::graphics
