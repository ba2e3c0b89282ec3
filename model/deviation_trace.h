#pragma once

// The deviation y = X − Xg of a run's record read between its samples, for measuring: the cubic
// that matches the positions and the velocities of the two neighbouring samples.  The velocity
// is the derivative of the position, so the cubic follows the motion to the fourth power of the
// step, and a window may begin and end anywhere, not only on a sample.

#include "model/run_record.h"

#include <complex>
#include <vector>

namespace trelvix {

class DeviationTrace {
public:
    explicit DeviationTrace(const RunRecord& record);

    bool empty() const { return samples_.empty(); }
    double start() const; // time of the first sample, s
    double end() const;   // time of the last sample, s

    // y at `t`, clamped into [start, end].
    double at(double t) const;

    // The first harmonic of y over `periods` whole periods 2π/omega from `from`:
    // a + i·b with y ≈ a·cos(ωt) + b·sin(ωt), so |H| is the amplitude and arg H the lag.
    std::complex<double> firstHarmonic(double omega, double from, int periods) const;

    // The largest |y(t) − y(t − period)| over one period that begins at `from`: how much the
    // motion still changes from one period to the next.
    double largestChange(double period, double from) const;

    // Times at which y passes zero upwards (from below to at or above zero) within [from, to],
    // interpolated linearly between the samples.
    std::vector<double> upwardCrossings(double from, double to) const;

    // The heights of the maxima of y, each refined by the parabola through the largest sample and
    // its two neighbours.
    std::vector<double> maxima() const;

private:
    struct Point {
        double t, y, Vx;
    };
    std::vector<Point> samples_;
};

} // namespace trelvix
