#include "model/motion.h"

#include <cmath>

namespace trelvix {

float ff_1(double, double, double Vx_f) {
    return toSingle(Vx_f);
}

namespace {

// The acceleration for a drive term cos(omega_v·t_f) already evaluated: the cosine is the costly
// part of a step, and the two midpoint evaluations of a step share their time.
float acceleration(const Experiment& e, double drive, double X_f, double Vx_f) {
    double a = -2 * e.delta * Vx_f - Vx_f * (std::fabs(Vx_f) * e.koeff_v2);
    a = a - e.omega_0_kv * (X_f - e.Xg);
    a = a + drive * (e.Xm * e.omega_0_kv);
    return toSingle(a);
}

} // namespace

float ff_2(const Experiment& e, double t_f, double X_f, double Vx_f) {
    return acceleration(e, std::cos(e.omega_v * t_f), X_f, Vx_f);
}

void rungeKuttaStep(Experiment& e) {
    const double h = e.shag;
    const double t = e.t;
    const double X = e.X;
    const double Vx = e.Vx;

    // Both midpoint evaluations fall at t + h/2 and share its drive term.
    const double driveAtMiddle = std::cos(e.omega_v * (t + h / 2));

    e.k11 = h * ff_1(t, X, Vx);
    e.k12 = h * ff_2(e, t, X, Vx);

    e.k21 = h * ff_1(t + h / 2, X + e.k11 / 2, Vx + e.k12 / 2);
    e.k22 = h * acceleration(e, driveAtMiddle, X + e.k11 / 2, Vx + e.k12 / 2);

    e.k31 = h * ff_1(t + h / 2, X + e.k21 / 2, Vx + e.k22 / 2);
    e.k32 = h * acceleration(e, driveAtMiddle, X + e.k21 / 2, Vx + e.k22 / 2);

    e.k41 = h * ff_1(t + h, X + e.k31, Vx + e.k32);
    e.k42 = toSingle(h * ff_2(e, t + h, X + e.k31, Vx + e.k32));

    e.X_1 = X + (e.k11 + 2 * e.k21 + 2 * e.k31 + e.k41) / 6;
    e.Vx_1 = Vx + (e.k12 + 2 * e.k22 + 2 * e.k32 + e.k42) / 6;

    e.X = e.X_1;
    e.Vx = e.Vx_1;
    e.t = t + h;
}

void computeEnergy(Experiment& e) {
    const double deviation = e.X_1 - e.Xg;
    e.W = toSingle(e.m * (e.Vx_1 * e.Vx_1) / 2 + e.k * (deviation * deviation) / 2);
}

void crankPosition(Experiment& e) {
    const double angle = e.omega_v * e.t;
    e.kriv_x = e.R_kolesa * std::sin(angle);
    e.kriv_y = e.R_kolesa * std::cos(angle);
}

bool touchesSuspension(const Experiment& e) {
    return e.X_1 < e.Xm + e.R_shara;
}

} // namespace trelvix
