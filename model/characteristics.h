#pragma once

// The characteristics of the motion that follow from the twelve inputs.

#include "model/inputs.h"

#include <cstdint>

namespace trelvix {

struct Characteristics {
    double ro_ball = 0;       // density of the ball material, kg/m3
    double mo = 0;            // mass of the medium in the volume of the ball, kg
    double Xg = 0;            // equilibrium coordinate of the ball centre, m
    double r2 = 0;            // characteristic distance of the quadratic force, m
    double quadraticDrag = 0; // coefficient of Vx·|Vx| in the equation of motion, 1/m
    double delta = 0;         // damping coefficient of the viscous force, 1/s
    double omega_0_sq = 0;    // k/m, 1/s2
    double omega_0 = 0;       // cyclic frequency of harmonic oscillations, rad/s
    double omega_s = 0;       // cyclic frequency of damped natural oscillations, rad/s
    double omega_v = 0;       // cyclic frequency of the driving motion, rad/s
    double T_0 = 0;           // period of harmonic oscillations, s
    double T_s = 0;           // period of damped natural oscillations, s
    double T_v = 0;           // period of the driving motion, s
    double logDecrement = 0;  // logarithmic decrement
    double qualityFactor = 0; // quality factor
    double nu_r = 0;          // resonance frequency for c = 0, Hz
    float eta_kr = 0;         // critical viscosity for c = 0, Pa·s
    double X_max = 0;         // estimate of the largest deviation of the ball from Xg, m
    double Vx_max = 0;        // estimate of the largest speed, m/s
    std::int16_t stepsPerPeriod = 0;
    double step = 0; // integration time step, s
};

// Every characteristic of the motion, the integration step and the plot estimates X_max and
// Vx_max, from the inputs.  A characteristic whose formula has no meaning for the inputs (an
// infinite period, no resonance, no quadratic force) keeps its value from `previous`: the
// window's labels then show a limit text instead (captions.h).
Characteristics deriveCharacteristics(const Inputs& in, const Characteristics& previous = {});

// The conditions under which some characteristics have a meaning: a quadratic resistance force
// (a medium and a drag coefficient), natural oscillations (omega_0 > delta), a driving motion,
// a resonance maximum (omega_0 > delta·√2).
bool hasQuadraticForce(const Inputs& in);
bool oscillates(const Characteristics& ch);
bool isDriven(const Characteristics& ch);
bool hasResonance(const Characteristics& ch);

// Whether a run can be computed with these characteristics: every value the integration and the
// plots use is finite, and the step is positive and large enough that the model time still
// advances by it at the computation time T.  Extreme inputs that the fields accept (huge masses,
// a viscosity of huge negative value, …) can break this; the window then refuses to start a run
// instead of integrating infinities.
bool canRun(const Inputs& in, const Characteristics& ch);

} // namespace trelvix
