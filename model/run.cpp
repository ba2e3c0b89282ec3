#include "model/run.h"

#include "model/characteristics.h"
#include "model/motion.h"

#include <cmath>
#include <initializer_list>

namespace trelvix {

std::optional<RunDriver> RunDriver::begin(Experiment& e) {
    if (!canRun(e)) return std::nullopt;
    return RunDriver(e);
}

RunDriver::RunDriver(Experiment& e) : e_(&e) {
    e.t = 0;
    e.X_1 = e.X = e.X0;
    e.Vx_1 = e.Vx = e.V0x;
    if (!(e.t < double(e.T))) outcome_ = StepOutcome::ReachedEnd;
}

StepReport RunDriver::step() {
    if (!goesOn()) return {outcome_, false};
    crankPosition(*e_);
    rungeKuttaStep(*e_);
    computeEnergy(*e_);
    ++steps_;

    // The animation panel is cleared and redrawn whole, so it is repainted only every second step.
    const bool drawsFrame = schetchik_kadra_ == 2;
    if (drawsFrame) schetchik_kadra_ = 0;
    ++schetchik_kadra_;

    outcome_ = judge();
    return {outcome_, drawsFrame};
}

StepOutcome RunDriver::judge() const {
    const Experiment& e = *e_;
    for (double v : {e.t, e.X_1, e.Vx_1, double(e.W)})
        if (!std::isfinite(v)) return StepOutcome::NonFinite;
    if (touchesSuspension(e)) return StepOutcome::Touched;
    if (!(e.t < double(e.T))) return StepOutcome::ReachedEnd;
    return StepOutcome::GoOn;
}

} // namespace trelvix
