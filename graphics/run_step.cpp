#include "graphics/run_step.h"

#include "graphics/magnifier.h"
#include "graphics/style.h"

namespace trelvix::graphics {

void drawRunStep(const RunState& state, double Xg, Surfaces& s) {
    s.plane.lineTo({0, state.X}, traceColour);
    s.displacement.lineTo({state.t, state.X - Xg}, traceColour);
    s.velocity.lineTo({state.t, state.Vx}, traceColour);
    s.energy.lineTo({state.t, state.W}, traceColour);
    drawMagnifierTrace(s.magnifier, state.X);
}

} // namespace trelvix::graphics
