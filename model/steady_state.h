#pragma once

// The steady state of the driven ball at one driving frequency: the periodic motion, of the period
// of the drive, that every motion settles into (the spring is linear and the damping takes energy
// away, so there is exactly one).  It is found by shooting: Newton's method on the map that takes
// the state at t = 0 to the state one period later.  Waiting for the transient to die out instead
// takes hundreds to thousands of periods where the damping is as weak as in water.

#include "model/driven_oscillator.h"

namespace trelvix {

enum class PointStatus : unsigned char {
    Solved,    // Newton's method found the periodic state
    Uncertain, // it did not; the values come from a bounded integration and may be off
    NonFinite, // the motion left the number range: amplitude and phase are NaN
};

// One point of the resonance curve: what the plot and the table of the curve need, no more (a
// curve may hold a million of them).  The linear theory follows from the oscillator at any ν.
struct ResonancePoint {
    double nu = 0;        // driving frequency, Hz
    double amplitude = 0; // half of (max X − min X) over a period of the steady state, m
    double phase = 0;     // lag of the first harmonic of X − Xg behind the drive, [0, π]
    bool touches = false; // min X falls below touchLimit: the ball reaches the suspension
    PointStatus status = PointStatus::Solved;
};

struct SteadyStateSettings {
    // Runge-Kutta steps at least per 2π of the fastest motion (drive, free oscillation or
    // relaxation of the velocity by the damping).
    int stepsPerCycle = 128;
    // The share by which the step may change amplitude and phase; near a sharp resonance it
    // calls for finer steps than stepsPerCycle.
    double accuracy = 1e-4;
    // A period that would need more steps than this (a drive hundreds of times slower than the
    // free oscillation, or relaxing hundreds of times faster) is not integrated: the ball then
    // follows the drive quasi-statically, as the damping-equivalent linearisation describes, at
    // a cost that does not grow as the drive slows down.  The point is uncertain if the
    // quadratic drag could still matter there.
    long maxStepsPerPeriod = 1L << 16;
    // Newton's method stops when its correction is below this share of the amplitude.
    double newtonTolerance = 1e-9;
    int maxNewtonIterations = 30;
    // Work allowed to the integration that replaces Newton's method when it fails, in steps.
    long fallbackSteps = 4L << 20;
};

// What makes an input unusable for the resonance curve; the caller turns it into a message.
enum class InputProblem {
    None,
    NonPositiveFrequency,  // a driving frequency (or an end of the range) ≤ 0 or not finite
    EmptyRange,            // the range does not run from a lower to a higher frequency
    TooFewPoints,          // fewer than two points
    TooManyPoints,         // more points than a sweep may hold (maxSweepPoints)
    NonFiniteCoefficient,  // a coefficient of the equation of motion is infinite or undefined
    NoRestoringForce,      // omega_0_sq ≤ 0: no oscillation to drive
    NegativeDamping,       // delta < 0 or quadraticDrag < 0: the motion would gain energy
    NegativeDriveAmplitude // Xm < 0
};

InputProblem checkOscillator(const DrivenOscillator& s);
InputProblem checkFrequency(double nu);

// The steady state at the driving frequency `nu`.  A point whose motion overflows is NonFinite,
// and so is every point of an input that a check above refuses (then nothing is computed).
// Without any damping the amplitude at ω = ω0 exactly is infinite (and the ball touches); every
// other point has finite values.
ResonancePoint steadyState(const DrivenOscillator& s, double nu,
                           const SteadyStateSettings& settings = {});

// The slow way, for comparison: starting at rest in the equilibrium, integrates period after
// period until the state changes by less than `tolerance` (metres, and metres per ω in the
// velocity) from one period to the next, then measures that period.  The point is Uncertain if
// that did not happen within `maxPeriods`.  `periodsUsed` receives how many periods it took.
ResonancePoint steadyStateByIntegration(const DrivenOscillator& s, double nu, double tolerance,
                                        long maxPeriods, long& periodsUsed,
                                        const SteadyStateSettings& settings = {});

} // namespace trelvix
