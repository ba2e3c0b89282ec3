#pragma once

// The redraw of every plot: new frames from the current parameters and layout, then the static
// layers of the Y-X plane, the animation, the three time graphs and the magnifier.

#include "graphics/plot_frames.h"
#include "graphics/plot_layout.h"
#include "graphics/surfaces.h"
#include "model/experiment.h"

#include <string_view>

namespace trelvix::graphics {

// Computes and applies the frames, then draws the plane, the initial scene and the three time
// graphs in this order, over what the surfaces hold.  Returns the frames.  Afterwards the window
// puts the magnifier's marker at markerRect(magnifier, X0, …).
PlotFrames drawStaticLayers(const Experiment& e, Surfaces& surfaces, const PlotLayout& layout,
                            std::string_view decimalSeparator);

// The full redraw: clears the plane, the scene, the three time graphs and the magnifier in this
// order, then runs drawStaticLayers().
PlotFrames redrawAll(const Experiment& e, Surfaces& surfaces, const PlotLayout& layout,
                     std::string_view decimalSeparator);

} // namespace trelvix::graphics
