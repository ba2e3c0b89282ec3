#pragma once

// The equation of motion of the ball and its integration by the classical fourth-order
// Runge-Kutta method.
//
// X is the coordinate of the ball centre, downwards from the mean position of the suspension
// point; the suspension point itself moves by Xm·cos(omega_v·t).  The ball obeys
//   dX/dt  = Vx
//   dVx/dt = −omega_0_kv·(X − Xg) − 2·delta·Vx − koeff_v2·Vx·|Vx| + Xm·omega_0_kv·cos(omega_v·t)
// (spring about the equilibrium coordinate, viscous force, quadratic drag, and the pull that the
// moving suspension point adds through the spring).
//
// The force functions return single-precision values and the fourth velocity increment is kept
// in single precision: the computed tables that students compare against carry exactly these
// roundings.

#include "model/experiment.h"

namespace trelvix {

// Rate of change of the coordinate: the velocity itself, in single precision.
float ff_1(double t_f, double X_f, double Vx_f);

// Acceleration of the ball at time t_f, coordinate X_f and velocity Vx_f, in single precision.
float ff_2(const Experiment& e, double t_f, double X_f, double Vx_f);

// One Runge-Kutta step of length e.shag from (e.t, e.X, e.Vx): writes the increments k11 … k42,
// the new state X_1, Vx_1, and moves X, Vx and t on to it.
void rungeKuttaStep(Experiment& e);

// Mechanical energy after the last step: kinetic energy plus the energy of the spring about the
// equilibrium coordinate, m·Vx_1²/2 + k·(X_1 − Xg)²/2, stored in single precision into e.W.
void computeEnergy(Experiment& e);

// Crank pin offsets from the wheel centre at the current model time: kriv_x = R_kolesa·sin(ωt),
// kriv_y = R_kolesa·cos(ωt).
void crankPosition(Experiment& e);

// Whether the top of the ball has reached the lowest point of the suspension point after the last
// step: X_1 < Xm + R_shara.
bool touchesSuspension(const Experiment& e);

} // namespace trelvix
