#pragma once

// One run of the experiment, step by step, without any window: the caller asks whether the run
// goes on, makes a step, draws what the step produced and pauses.  The run only reports what
// happened; turning an outcome into a message is the window's business:
//
//   std::optional<RunDriver> run = RunDriver::begin(inputs, derived);  // empty: refuse to start
//   while (<the button still reads STOP> && run->goesOn()) {
//       const StepReport r = run->step();
//       if (r.outcome == StepOutcome::NonFinite) { <message>; break; }   // nothing to draw
//       <draw run->state(), write its results line, repaint the scene if r.drawsFrame, pause>
//       if (r.outcome == StepOutcome::Touched) <message>;                // the loop then ends
//   }
//
// The run keeps its own copies of the inputs and characteristics: a change of the fields during
// a run does not reach it.

#include "model/characteristics.h"
#include "model/inputs.h"
#include "model/motion.h"

#include <optional>

namespace trelvix {

enum class StepOutcome {
    GoOn,       // the run continues
    ReachedEnd, // the model time has reached or passed T (the last step may pass it)
    Touched,    // the top of the ball has reached the lowest point of the suspension point
    NonFinite,  // the state overflowed the number range or became undefined; nothing to draw
};

struct StepReport {
    StepOutcome outcome;
    bool drawsFrame; // whether this step redraws the animation panel: steps 3, 5, 7, …
};

class RunDriver {
public:
    // Starts a run: model time 0, the ball at X0 with velocity V0x.  Refuses when canRun() is
    // false for these inputs and characteristics.
    static std::optional<RunDriver> begin(const Inputs& in, const Characteristics& ch);

    // Whether another step is due: the run has neither reached T nor ended by touching or by
    // leaving the number range.
    bool goesOn() const { return outcome_ == StepOutcome::GoOn; }

    // Crank offsets from the time before the step, one Runge-Kutta step, the energy, and the
    // judgement of the new state, in that priority: non-finite, touching, end of time.  A step
    // asked for after the run has ended changes nothing and repeats the final outcome.
    StepReport step();

    const RunState& state() const { return state_; }
    const Inputs& inputs() const { return inputs_; }
    const Characteristics& derived() const { return derived_; }
    long long stepCount() const { return steps_; }

private:
    RunDriver(const Inputs& in, const Characteristics& ch);
    StepOutcome judge() const;

    Inputs inputs_;
    Characteristics derived_;
    EquationOfMotion equation_;
    RunState state_;
    StepOutcome outcome_ = StepOutcome::GoOn;
    long long steps_ = 0;
    int stepsSinceFrame_ = 0;
};

} // namespace trelvix
