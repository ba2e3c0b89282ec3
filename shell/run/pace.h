#pragma once

#include <chrono>

namespace trelvix {

// Keeps a run on the pace its slow-down factor promises.  Each pause ends a fixed time after the
// end of the previous one, so the time a step spends computing and drawing is taken out of its
// pause instead of being added to it, and timer lateness never accumulates.  When the run has
// fallen behind by more than a whole pause (a message box held it, or drawing is slower than
// the pace), the schedule starts afresh from now rather than rushing to catch up.
class Pace {
public:
    using Clock = std::chrono::steady_clock;

    void restart(Clock::time_point now) { deadline_ = now; }

    // The moment the pause after the current step ends.
    Clock::time_point nextDeadline(Clock::time_point now, Clock::duration pause) {
        deadline_ += pause;
        if (deadline_ + pause < now) deadline_ = now;
        return deadline_;
    }

private:
    Clock::time_point deadline_{};
};

} // namespace trelvix
