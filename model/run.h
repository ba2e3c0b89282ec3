#pragma once

// One run of the experiment, step by step, without any window: the window's loop asks whether the
// run goes on, makes a step, draws what the step produced and pauses.  The run only reports what
// happened; turning an outcome into a message is the window's business:
//
//   std::optional<RunDriver> run = RunDriver::begin(e);   // empty: refuse to start
//   while (<the button still reads STOP> && run->goesOn()) {
//       const StepReport r = run->step();
//       if (r.outcome == StepOutcome::NonFinite) { <message>; break; }   // nothing to draw
//       <draw the step, write its results line, repaint the scene if r.drawsFrame, pause>
//       if (r.outcome == StepOutcome::Touched) <message>;                // the loop then ends
//   }

#include "model/experiment.h"

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
    // Starts a run of `e`: model time 0, the ball at X0 with velocity V0x.  Refuses, leaving `e`
    // untouched, when canRun(e) is false.  The experiment must outlive the run.
    static std::optional<RunDriver> begin(Experiment& e);

    // Whether another step is due: the run has neither reached T nor ended by touching or by
    // leaving the number range.
    bool goesOn() const { return outcome_ == StepOutcome::GoOn; }

    // Crank offsets from the time before the step, one Runge-Kutta step, the energy, and the
    // judgement of the new state, in that priority: non-finite, touching, end of time.  A step
    // asked for after the run has ended changes nothing and repeats the final outcome.
    StepReport step();

    long long stepCount() const { return steps_; }

private:
    explicit RunDriver(Experiment& e);
    StepOutcome judge() const;

    Experiment* e_;
    StepOutcome outcome_ = StepOutcome::GoOn;
    long long steps_ = 0;
    int schetchik_kadra_ = 0; // steps since the last animation frame
};

} // namespace trelvix
