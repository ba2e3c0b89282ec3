#include "model/motion.h"

#include "model/single_precision.h"

#include <cmath>

namespace trelvix {

namespace {

// The acceleration for a drive term cos(omega_v·t) already evaluated: the cosine is the costly
// part of a step, and the two midpoint evaluations of a step share their time.
float accelerationWithDrive(const EquationOfMotion& eq, double drive, double X, double Vx) {
    double a = -2 * eq.delta * Vx - Vx * (std::fabs(Vx) * eq.quadraticDrag);
    a = a - eq.omega_0_sq * (X - eq.Xg);
    a = a + drive * (eq.Xm * eq.omega_0_sq);
    return toSingle(a);
}

} // namespace

EquationOfMotion EquationOfMotion::of(const Inputs& in, const Characteristics& ch) {
    return {ch.omega_0_sq, ch.delta, ch.quadraticDrag, ch.Xg, in.Xm, ch.omega_v};
}

float coordinateRate(double Vx) {
    return toSingle(Vx);
}

float acceleration(const EquationOfMotion& eq, double t, double X, double Vx) {
    return accelerationWithDrive(eq, std::cos(eq.omega_v * t), X, Vx);
}

void rungeKuttaStep(const EquationOfMotion& eq, double h, RunState& s) {
    const double t = s.t;
    const double X = s.X;
    const double Vx = s.Vx;

    // Both midpoint evaluations fall at t + h/2 and share its drive term.
    const double driveAtMiddle = std::cos(eq.omega_v * (t + h / 2));

    const double kX1 = h * coordinateRate(Vx);
    const double kV1 = h * acceleration(eq, t, X, Vx);

    const double kX2 = h * coordinateRate(Vx + kV1 / 2);
    const double kV2 = h * accelerationWithDrive(eq, driveAtMiddle, X + kX1 / 2, Vx + kV1 / 2);

    const double kX3 = h * coordinateRate(Vx + kV2 / 2);
    const double kV3 = h * accelerationWithDrive(eq, driveAtMiddle, X + kX2 / 2, Vx + kV2 / 2);

    const double kX4 = h * coordinateRate(Vx + kV3);
    const float kV4 = toSingle(h * acceleration(eq, t + h, X + kX3, Vx + kV3));

    s.X = X + (kX1 + 2 * kX2 + 2 * kX3 + kX4) / 6;
    s.Vx = Vx + (kV1 + 2 * kV2 + 2 * kV3 + kV4) / 6;
    s.t = t + h;
}

float mechanicalEnergy(const Inputs& in, double Xg, double X, double Vx) {
    const double deviation = X - Xg;
    return toSingle(in.m * (Vx * Vx) / 2 + in.k * (deviation * deviation) / 2);
}

void setCrankPosition(const Inputs& in, double omega_v, RunState& s) {
    const double angle = omega_v * s.t;
    s.crankX = in.wheelRadius() * std::sin(angle);
    s.crankY = in.wheelRadius() * std::cos(angle);
}

bool touchesSuspension(const Inputs& in, double X) {
    return X < in.Xm + in.ballRadius();
}

} // namespace trelvix
