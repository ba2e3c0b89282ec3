#pragma once

// The ball on the spring as a driven oscillator, reduced to the coefficients of its equation of
// motion, and what the linear theory of forced oscillations says about it.
//
// With y = X − Xg the deviation from the equilibrium coordinate and ω = 2πν the cyclic frequency
// of the driving motion, the ball obeys
//   dy/dt  = Vx
//   dVx/dt = −omega_0_sq·y − 2·delta·Vx − quadraticDrag·Vx·|Vx| + Xm·omega_0_sq·cos(ωt).
// A plain value: a worker thread computes on its own copy.

#include "model/characteristics.h"
#include "model/inputs.h"

namespace trelvix {

struct DrivenOscillator {
    double omega_0_sq = 0;    // k/m, 1/s²
    double delta = 0;         // damping coefficient of the viscous force, 1/s
    double quadraticDrag = 0; // coefficient of Vx·|Vx|, 1/m
    double Xg = 0;            // equilibrium coordinate of the ball centre, m
    double Xm = 0;            // amplitude of the suspension point, m
    double touchLimit = 0;    // Xm + d/2: a ball centre above it reaches the suspension point, m

    bool operator==(const DrivenOscillator&) const = default;
};

// The oscillator of an experiment: the coefficients of its equation of motion.
DrivenOscillator drivenOscillatorOf(const Inputs& in, const Characteristics& derived);

// The amplitude of the driving force per unit mass, Xm·omega_0_sq, m/s².
double driveAcceleration(const DrivenOscillator& s);

// Linear theory (quadraticDrag ignored): A = Xm·ω0² / √((ω0² − ω²)² + (2δω)²), m.
double linearAmplitude(const DrivenOscillator& s, double nu);

// Linear theory: the lag of the deviation behind the drive, atan2(2δω, ω0² − ω²), in [0, π].
double linearPhase(const DrivenOscillator& s, double nu);

// The first harmonic of the steady state as a damping-equivalent linearisation predicts it.
struct Harmonic {
    double amplitude = 0; // m
    double phase = 0;     // lag behind the drive, rad
};

// The harmonic balance of the quadratic drag: over a period of y = A·cos(ωt − φ), the force
// quadraticDrag·Vx·|Vx| takes away as much energy as a viscous force with the damping coefficient
// delta + (4/3π)·quadraticDrag·ω·A would.  Solving the linear formulas with that damping for A
// gives a close first guess of the true steady state (exact for quadraticDrag = 0).
Harmonic equivalentLinearResponse(const DrivenOscillator& s, double nu);

} // namespace trelvix
