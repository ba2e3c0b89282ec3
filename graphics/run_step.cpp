#include "graphics/run_step.h"

#include "graphics/magnifier.h"
#include "graphics/style.h"

namespace trelvix::graphics {

void drawRunStep(const Experiment& e, Surfaces& s) {
    s.picture1.lineTo({0, e.X_1}, traceColour);
    s.picture3.lineTo({e.t, e.X_1 - e.Xg}, traceColour);
    s.picture4.lineTo({e.t, e.Vx_1}, traceColour);
    s.picture6.lineTo({e.t, e.W}, traceColour);
    magnifierTrace(s.form3, e.X_1);
}

} // namespace trelvix::graphics
