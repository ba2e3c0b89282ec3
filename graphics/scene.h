#pragma once

// The animation panel: a copy of the Y-X plot (grid, wheel, equilibrium line and the trace so
// far) with the crank rod, the red crank pin, the spring and the grey ball on top.

#include "graphics/plot_layout.h"
#include "graphics/surface.h"
#include "graphics/surfaces.h"
#include "model/experiment.h"
#include "model/motion.h"

#include <QRect>
#include <optional>

namespace trelvix::graphics {

// The initial scene, in the redraw sequence after drawPlane(): cleared, copied from the plane,
// the pin at the bottom of the wheel, the ball at X0.
void drawInitialScene(const Experiment& e, Surfaces& surfaces, const PlotLayout& layout);

// The scene during a run: cleared, copied anew from the plane, the pin at the wheel centre plus
// the crank offsets of `state`, the ball at its coordinate.  The run calls it every second step.
void repaintScene(const Experiment& e, const RunState& state, Surfaces& surfaces,
                  const PlotLayout& layout);

// The logical pixels of `scene` that the crank, the spring and the ball may cover in the frame of
// `state`, or in the initial scene when there is none, pens included.  A frame of the animation
// needs to repaint only what they covered in the frame before and cover now: everything else
// of the panel is the Y-X plot's picture, which changes during a run only along the trace at
// the ball centre, inside that column.  The scene need not keep a picture: only its frame counts.
QRect movingPartsExtent(const Experiment& e, const std::optional<RunState>& state,
                        const Surface& scene);

// The spring from its upper end `top` to its lower end `bottom`: a straight lead of one
// half-wave, 2·springTurns − 3 half-waves of amplitude springHalfWidth, a lead of two
// half-waves.  The waves stretch with the length; a spring of zero length is a dot, and one too
// long to measure (ends at extreme coordinates) a straight line.
void drawSpring(const ViewSettings& view, Surface& scene, QPointF top, QPointF bottom);

// The ball of radius d/2 about `centre`, grey with a black outline of the current width.
void drawBall(const Inputs& in, Surface& scene, QPointF centre);

} // namespace trelvix::graphics
