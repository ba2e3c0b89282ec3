#pragma once

// The static layer of the Y-X plane plot: the square grid with value labels, the two axes with
// their names, the dashed equilibrium line at Xg and the grey drive wheel, and the starting
// point (0, X0) of the run's trace.  The magnifier's static layer is drawn along with it.

#include "graphics/plot_frames.h"
#include "graphics/surfaces.h"
#include "model/experiment.h"

#include <QPointF>
#include <string_view>

namespace trelvix::graphics {

// The centre of the driving wheel: the origin of the plane.
inline constexpr QPointF wheelCentre{0, 0};

// Draws on the plane and the magnifier in the frames that applyFrames() set.  Leaves the
// plane's pen 3 pixels wide at (0, X0) for the trace.
void drawPlane(const Experiment& e, const PlotFrames& frames, Surfaces& surfaces,
               std::string_view decimalSeparator);

} // namespace trelvix::graphics
