#pragma once

// The static layer of the Y-X plane plot (Picture1): the square grid with value labels, the two
// axes with their names, the dashed equilibrium line at Xg and the grey drive wheel, and the
// starting point (0, X0) of the run's trace.  The magnifier's static layer is drawn along with it.

#include "graphics/plot_frames.h"
#include "graphics/surfaces.h"
#include "model/experiment.h"

#include <string_view>

namespace trelvix::graphics {

// Draws on Picture1 and Form3 in the frames that minmax() set.  Writes the grid step and width
// in steps into `frames` and puts the wheel centre (koleso_x, koleso_y) at the origin of `e`.
// Leaves Picture1's pen 3 pixels wide at (0, X0) for the trace.
void axes(Experiment& e, PlotFrames& frames, Surfaces& surfaces, std::string_view decimalSeparator);

} // namespace trelvix::graphics
