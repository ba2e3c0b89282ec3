#pragma once

// What a run's record shows when it is measured as a student would measure the motion on paper,
// beside what the characteristics and the linear theory predict:
//  - the period, from successive upward crossings of the equilibrium coordinate Xg;
//  - the logarithmic decrement and the damping coefficient, from successive maxima of a free run
//    (Xm = 0);
//  - the steady amplitude and the lag behind the drive, from the first harmonic of the deviation
//    over the last whole driving periods of a driven run.
// A quantity that the record cannot give (too few periods, no crossing, an overdamped motion)
// carries the reason instead of a value: never a NaN.

#include "model/run_record.h"

#include <optional>
#include <string>

namespace trelvix {

struct Measurement {
    std::optional<double> value; // empty: not measurable, see `reason`
    double spread = 0;           // standard deviation of the single readings (0 for one reading)
    int readings = 0;            // how many periods, ratios or driving periods it rests on
    double predicted = 0;        // what the characteristics or the linear theory say
    bool hasPrediction = false;
    std::string reason; // in Russian, shown in place of the value

    // The difference from the prediction in per cent of it; empty when either is missing or the
    // prediction is zero.
    std::optional<double> differencePercent() const;
};

struct RunMeasurements {
    Measurement period;       // s
    Measurement logDecrement; // Θ
    Measurement delta;        // 1/s
    Measurement amplitude;    // of X − Xg, m
    Measurement phaseLag;     // behind the drive Xm·cos(ωt), rad
};

RunMeasurements measureRun(const RunRecord& record);

} // namespace trelvix
