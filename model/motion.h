#pragma once

// The equation of motion of the ball and its integration by the classical fourth-order
// Runge-Kutta method.
//
// X is the coordinate of the ball centre, downwards from the mean position of the suspension
// point; the suspension point itself moves by Xm·cos(omega_v·t).  The ball obeys
//   dX/dt  = Vx
//   dVx/dt = −omega_0_sq·(X − Xg) − 2·delta·Vx − quadraticDrag·Vx·|Vx| +
//   Xm·omega_0_sq·cos(omega_v·t)
// (spring about the equilibrium coordinate, viscous force, quadratic drag, and the pull that the
// moving suspension point adds through the spring).
//
// The force functions return single-precision values and the fourth velocity increment is kept
// in single precision: the computed tables that students compare against carry exactly these
// roundings.

#include "model/characteristics.h"
#include "model/inputs.h"

namespace trelvix {

// The coefficients of the equation.
struct EquationOfMotion {
    double omega_0_sq = 0;
    double delta = 0;
    double quadraticDrag = 0;
    double Xg = 0;
    double Xm = 0;
    double omega_v = 0;

    static EquationOfMotion of(const Inputs& in, const Characteristics& ch);
};

// The state of a run after its last step.
struct RunState {
    double t = 0;  // model time, s
    double X = 0;  // coordinate of the ball centre, m
    double Vx = 0; // velocity of the ball, m/s
    float W = 0;   // mechanical energy, J
    // Crank pin offset from the wheel centre at the time before the last step, m.
    double crankX = 0;
    double crankY = 0;
};

// Rate of change of the coordinate: the velocity itself, in single precision.
float coordinateRate(double Vx);

// Acceleration of the ball at time t, coordinate X and velocity Vx, in single precision.
float acceleration(const EquationOfMotion& eq, double t, double X, double Vx);

// One Runge-Kutta step of length h from (s.t, s.X, s.Vx) to the new time, coordinate and
// velocity; the energy and the crank stay as they were.
void rungeKuttaStep(const EquationOfMotion& eq, double h, RunState& s);

// Mechanical energy: kinetic energy plus the energy of the spring about the equilibrium
// coordinate, m·Vx²/2 + k·(X − Xg)²/2, in single precision.
float mechanicalEnergy(const Inputs& in, double Xg, double X, double Vx);

// Crank pin offsets from the wheel centre at model time t: x = R·sin(ωt), y = R·cos(ωt), with the
// crank radius R = Xm.
void setCrankPosition(const Inputs& in, double omega_v, RunState& s);

// Whether the top of the ball has reached the lowest point of the suspension point:
// X < Xm + d/2.
bool touchesSuspension(const Inputs& in, double X);

} // namespace trelvix
