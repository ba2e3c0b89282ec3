#pragma once

// The magnifier window Form3: a square part of the Y-X plane around the equilibrium point
// (0, Xg), masshtab_1 grid steps of the plane each way, with a 4 × 4 grid, the vertical axis,
// the dashed equilibrium line, the red trace of the ball centre and the marker Shape1 on it.
// The frame is computed within minmax() and the static layer drawn within axes(); the window
// only shows the surface and moves Shape1 to markerRect().

#include "graphics/plot_frames.h"
#include "graphics/surface.h"
#include "model/experiment.h"

#include <QRect>
#include <QSize>
#include <string_view>

namespace trelvix::graphics {

// The magnifier's frame values of `f`, from the plane's grid step and masshtab_1.
void magnifierFrame(const Experiment& e, PlotFrames& f);

// The static layer, in the three pieces that axes() draws among its own steps:
// the grid with its value labels (Xg − s, Xg, Xg + s, four decimals);
void magnifierGrid(const Experiment& e, const PlotFrames& f, Surface& form3,
                   std::string_view decimalSeparator);
// the vertical axis;
void magnifierAxis(const PlotFrames& f, Surface& form3);
// the dashed equilibrium line and the starting point (0, X0) of the trace.
void magnifierStart(const Experiment& e, const PlotFrames& f, Surface& form3);

// One step of a run: the trace, 3 pixels wide, to the ball centre (0, X_1).
void magnifierTrace(Surface& form3, double X_1);

// Where the marker Shape1 of `markerSize` goes, in Form3's pixels, so that its centre lies on
// the ball centre (0, X).  A ball beyond the window (or an unusable frame) puts the marker just
// outside it, never at absurd coordinates.
QRect markerRect(const Surface& form3, double X, QSize markerSize);

} // namespace trelvix::graphics
