#pragma once

// The static layer of the three time graphs: a vertical grid line at every period T_0 with a
// period count (" 2То", " 4То"…) under every second one, a value grid of n_setki lines per panel
// height with labels, the axes with their names, and the trace's starting point.

#include "graphics/plot_frames.h"
#include "graphics/surface.h"
#include "model/experiment.h"

#include <string_view>

namespace trelvix::graphics {

// Displacement from equilibrium X − Xg on Picture3.  Writes shag_setki_y_3.
void axes_x_t(const Experiment& e, PlotFrames& f, Surface& picture3,
              std::string_view decimalSeparator);
// Velocity Vx on Picture4.  Writes shag_setki_y_4.
void axes_y_t(const Experiment& e, PlotFrames& f, Surface& picture4,
              std::string_view decimalSeparator);
// Mechanical energy W on Picture6, from 0 up.  Writes shag_setki_y_6.
void axes_W_t(const Experiment& e, PlotFrames& f, Surface& picture6,
              std::string_view decimalSeparator);

} // namespace trelvix::graphics
