#pragma once

// The clock that times a run for the window caption.

namespace trelvix {

class Clock {
public:
    virtual ~Clock() = default;

    // Seconds since an arbitrary fixed origin.  Differences are true elapsed times, also across
    // the hour, midnight or a change of the system time.
    virtual double seconds() = 0;
};

// A monotonic clock of the system.
class SteadyClock : public Clock {
public:
    double seconds() override;
};

} // namespace trelvix
