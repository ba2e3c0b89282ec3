#pragma once

// The redraw of every plot: new frames from the current parameters and layout, then the static
// layers of the Y-X plane, the animation, the three time graphs and the magnifier.

#include "graphics/plot_frames.h"
#include "graphics/plot_layout.h"
#include "graphics/surfaces.h"
#include "model/experiment.h"

#include <string_view>

namespace trelvix::graphics {

// minmax, axes, axes_2, axes_x_t, axes_y_t, axes_W_t in this order, drawing over what the
// surfaces hold.  The derived characteristics of `e` must be current (parametr).  Afterwards
// the window puts the magnifier's marker at markerRect(form3, e.X0, …).
void redrawSequence(Experiment& e, PlotFrames& frames, Surfaces& surfaces, const PlotLayout& layout,
                    std::string_view decimalSeparator);

// The full redraw: clears Picture1, Picture2, Picture3, Picture4, Picture6 and Form3 in this
// order, then runs redrawSequence().
void redrawAll(Experiment& e, PlotFrames& frames, Surfaces& surfaces, const PlotLayout& layout,
               std::string_view decimalSeparator);

} // namespace trelvix::graphics
