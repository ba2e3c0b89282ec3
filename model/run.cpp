#include "model/run.h"

#include <cmath>
#include <initializer_list>

namespace trelvix {

std::optional<RunDriver> RunDriver::begin(const Inputs& in, const Characteristics& ch) {
    if (!canRun(in, ch)) return std::nullopt;
    return RunDriver(in, ch);
}

RunDriver::RunDriver(const Inputs& in, const Characteristics& ch)
    : inputs_(in), derived_(ch), equation_(EquationOfMotion::of(in, ch)) {
    state_.t = 0;
    state_.X = in.X0;
    state_.Vx = in.V0x;
    if (!(state_.t < double(in.T))) outcome_ = StepOutcome::ReachedEnd;
}

StepReport RunDriver::step() {
    if (!goesOn()) return {outcome_, false};
    setCrankPosition(inputs_, equation_.omega_v, state_);
    rungeKuttaStep(equation_, derived_.step, state_);
    state_.W = mechanicalEnergy(inputs_, derived_.Xg, state_.X, state_.Vx);
    ++steps_;

    // The animation panel is cleared and redrawn whole, so it is repainted only every second step.
    const bool drawsFrame = stepsSinceFrame_ == 2;
    if (drawsFrame) stepsSinceFrame_ = 0;
    ++stepsSinceFrame_;

    outcome_ = judge();
    return {outcome_, drawsFrame};
}

StepOutcome RunDriver::judge() const {
    for (double v : {state_.t, state_.X, state_.Vx, double(state_.W)})
        if (!std::isfinite(v)) return StepOutcome::NonFinite;
    if (touchesSuspension(inputs_, state_.X)) return StepOutcome::Touched;
    if (!(state_.t < double(inputs_.T))) return StepOutcome::ReachedEnd;
    return StepOutcome::GoOn;
}

} // namespace trelvix
