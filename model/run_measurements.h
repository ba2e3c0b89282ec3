#pragma once

// What a run's record shows when it is measured as a student would measure the motion on paper,
// beside what predicts it:
//  - the period, from successive upward crossings of the equilibrium coordinate Xg: over the
//    whole run of a free run (against T_s), over the settled window of a driven one (against
//    |T_v|);
//  - the logarithmic decrement and the damping coefficient, from successive maxima of a free run
//    (Xm = 0);
//  - the steady amplitude and the lag behind the drive, from the first harmonic of the deviation
//    over the last whole driving periods of a driven run (at most five, ending at the last
//    sample), once the last two of them agree.
// A negative driving frequency drives exactly like its magnitude (the cosine is even).
// A quantity that the record cannot give (too few periods, no crossing, an overdamped motion)
// carries the reason instead of a value: never a NaN.
//
// Each prediction says where it comes from.  The linear theory and the characteristics hold for
// viscous damping alone; with quadratic drag (c ≠ 0) they are shown without a difference, beside
// the prediction that does hold: the program's own steady state at that frequency for a driven
// run, the decay of the measured amplitudes under both forces for a free one.

#include "model/run_record.h"

#include <optional>
#include <string>
#include <vector>

namespace trelvix {

enum class PredictionSource {
    Characteristics, // the derived characteristics (T_s, T_v, Θ, δ)
    LinearTheory,    // forced oscillations with viscous damping alone
    SteadyState,     // the periodic state the program computes for the resonance curve
    AmplitudeDecay,  // viscous and quadratic losses at the amplitudes measured
};

struct Prediction {
    PredictionSource source = PredictionSource::Characteristics;
    double value = 0;
    // Empty: the prediction holds for this run.  Otherwise why it does not (in the language of the
    // texts); no difference is taken against it.
    std::string inapplicable;
};

struct Measurement {
    std::optional<double> value; // empty: not measurable, see `reason`
    double spread = 0;           // standard deviation of the single readings (0 for one reading)
    int readings = 0;            // how many periods, ratios or driving periods it rests on
    std::string reason;          // in the texts' language, shown in place of the value
    // The one that holds first, if any holds.
    std::vector<Prediction> predictions;

    // The prediction that holds for the run; nullptr if none does.
    const Prediction* applicable() const;
    // The difference from the prediction that holds, in per cent of it; empty when either is
    // missing or the prediction is zero.
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
