#pragma once

// The magnifier window: a square part of the Y-X plane around the equilibrium point (0, Xg),
// magnifierZoom grid steps of the plane each way, with a 4 × 4 grid, the vertical axis, the
// dashed equilibrium line, the red trace of the ball centre and the marker on it.  The frame is
// computed with the other frames and the static layer drawn with the plane; the window only
// shows the surface and moves its marker to markerRect().

#include "graphics/plot_frames.h"
#include "graphics/surface.h"
#include "model/experiment.h"

#include <QRect>
#include <QSize>
#include <string_view>

namespace trelvix::graphics {

// The magnifier's frame, from the plane's grid step and the zoom.
MagnifierFrame magnifierFrame(const Experiment& e, const PlaneFrame& plane);

// The static layer, in the three pieces that drawPlane() draws among its own steps:
// the grid with its value labels (Xg − s, Xg, Xg + s, four decimals);
void drawMagnifierGrid(const Experiment& e, const MagnifierFrame& f, Surface& magnifier,
                       std::string_view decimalSeparator);
// the vertical axis;
void drawMagnifierAxis(const MagnifierFrame& f, Surface& magnifier);
// the dashed equilibrium line and the starting point (0, X0) of the trace.
void drawMagnifierStart(const Experiment& e, const MagnifierFrame& f, Surface& magnifier);

// One step of a run: the trace, 3 pixels wide, to the ball centre (0, X).
void drawMagnifierTrace(Surface& magnifier, double X);

// Where the marker of `markerSize` goes, in the magnifier's pixels, so that its centre lies on
// the ball centre (0, X).  A ball beyond the window (or an unusable frame) puts the marker just
// outside it, never at absurd coordinates.
QRect markerRect(const Surface& magnifier, double X, QSize markerSize);

} // namespace trelvix::graphics
