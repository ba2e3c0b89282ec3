#include "model/driven_oscillator.h"

#include <cmath>
#include <numbers>

namespace trelvix {

namespace {

double cyclic(double nu) {
    return 2 * std::numbers::pi * nu;
}

double amplitudeWithDamping(const DrivenOscillator& s, double omega, double damping) {
    return driveAcceleration(s) / std::hypot(s.omega_0_sq - omega * omega, 2 * damping * omega);
}

} // namespace

DrivenOscillator drivenOscillatorOf(const Inputs& in, const Characteristics& derived) {
    return {derived.omega_0_sq, derived.delta, derived.quadraticDrag,
            derived.Xg,         in.Xm,         in.Xm + in.ballRadius()};
}

double driveAcceleration(const DrivenOscillator& s) {
    return s.Xm * s.omega_0_sq;
}

double linearAmplitude(const DrivenOscillator& s, double nu) {
    return amplitudeWithDamping(s, cyclic(nu), s.delta);
}

double linearPhase(const DrivenOscillator& s, double nu) {
    const double omega = cyclic(nu);
    return std::atan2(2 * s.delta * omega, s.omega_0_sq - omega * omega);
}

Harmonic equivalentLinearResponse(const DrivenOscillator& s, double nu) {
    const double omega = cyclic(nu);
    const double dragPerAmplitude = 4 / (3 * std::numbers::pi) * s.quadraticDrag * omega;
    const auto dampingFor = [&](double A) { return s.delta + dragPerAmplitude * A; };

    // The amplitude the formula returns falls as the guessed amplitude grows, so the consistent
    // amplitude lies between 0 and the linear one, and bisection finds it.  The drag alone bounds
    // it too (A ≤ F/(2·dragPerAmplitude·A·ω)), which matters where the linear one is infinite.
    double low = 0;
    double high = amplitudeWithDamping(s, omega, s.delta);
    if (dragPerAmplitude > 0) {
        high = std::fmin(high, std::sqrt(driveAcceleration(s) / (2 * dragPerAmplitude * omega)));
        // A first guess needs six digits, not sixteen.
        while (high - low > 1e-6 * high) {
            const double middle = low + (high - low) / 2;
            if (amplitudeWithDamping(s, omega, dampingFor(middle)) > middle)
                low = middle;
            else
                high = middle;
        }
    }
    const double damping = dampingFor(high);
    return {high, std::atan2(2 * damping * omega, s.omega_0_sq - omega * omega)};
}

} // namespace trelvix
