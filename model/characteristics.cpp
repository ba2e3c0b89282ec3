#include "model/characteristics.h"

#include "model/physics_constants.h"
#include "model/single_precision.h"

#include <cmath>
#include <limits>

namespace trelvix {

namespace {

constexpr std::int16_t stepsPerPeriod = 50;
constexpr double infinity = std::numeric_limits<double>::infinity();

// a / b with the values IEEE arithmetic gives (±infinity, NaN for 0/0), but without dividing by
// zero: the labels then show a limit text.
double ieeeQuotient(double a, double b) {
    if (b != 0) return a / b;
    if (a == 0 || std::isnan(a)) return std::numeric_limits<double>::quiet_NaN();
    return (a > 0) == !std::signbit(b) ? infinity : -infinity;
}

// Density, displaced mass, equilibrium and the two resistance coefficients.
void deriveMediumAndEquilibrium(const Inputs& in, Characteristics& ch) {
    const double d3 = in.d * in.d * in.d;
    ch.ro_ball = ieeeQuotient(6 * in.m, constants::pi * d3);
    ch.mo = in.ro * constants::pi * d3 / 6;
    ch.Xg = in.L0 + in.d / 2 + ieeeQuotient((in.m - ch.mo) * constants::g, in.k);
    // Written out so that no "0 · infinity" of huge inputs can make it NaN: without the medium
    // or the drag coefficient there is no quadratic force at all.
    if (hasQuadraticForce(in)) {
        ch.r2 = ieeeQuotient(ieeeQuotient(4 * in.m * in.d / 3, in.c), ch.mo);
        ch.quadraticDrag = ieeeQuotient(ieeeQuotient(3 * in.c * ch.mo / 4, in.m), in.d);
    } else {
        ch.quadraticDrag = 0.0;
    }
    ch.delta = ieeeQuotient(constants::three_pi * in.eta * in.d / 2, in.m);
}

// Frequencies, periods, decrement, quality factor, resonance and critical viscosity.
void deriveOscillation(const Inputs& in, Characteristics& ch) {
    ch.omega_0_sq = ieeeQuotient(in.k, in.m);
    ch.omega_0 = std::sqrt(ch.omega_0_sq);
    ch.omega_s = std::sqrt(std::fabs(ch.omega_0_sq - ch.delta * ch.delta));
    ch.omega_v = in.nu * constants::two_pi;
    ch.T_0 = ieeeQuotient(constants::two_pi, ch.omega_0);
    if (oscillates(ch)) {
        ch.T_s = ieeeQuotient(constants::two_pi, ch.omega_s);
        ch.logDecrement = ch.delta * ch.T_s;
    }
    if (isDriven(ch)) ch.T_v = constants::two_pi / ch.omega_v;
    if (in.eta != 0 && !(ch.omega_0 < ch.delta))
        ch.qualityFactor = ieeeQuotient(constants::pi, ch.delta);
    if (hasResonance(ch))
        ch.nu_r = std::sqrt(ch.omega_0_sq - 2 * ch.delta * ch.delta) / 2 / constants::pi;
    ch.eta_kr = toSingle(ieeeQuotient(std::sqrt(in.m * in.k) * 2 / 3 / constants::pi, in.d));
}

// Fifty steps per period of the faster of the free harmonic and the driving oscillation; the
// undamped free amplitude from X0, V0x plus the driving amplitude, and the matching speed.
void deriveStepAndEstimates(const Inputs& in, Characteristics& ch) {
    ch.stepsPerPeriod = stepsPerPeriod;
    const double drivingPeriodLength = isDriven(ch) ? std::fabs(ch.T_v) : infinity;
    ch.step = (ch.T_0 <= drivingPeriodLength ? ch.T_0 : drivingPeriodLength) / ch.stepsPerPeriod;
    const double offset = in.X0 - ch.Xg;
    ch.X_max = in.Xm + std::sqrt(ieeeQuotient(in.V0x * in.V0x, ch.omega_0_sq) + offset * offset);
    ch.Vx_max = ch.omega_0 * ch.X_max;
}

} // namespace

bool hasQuadraticForce(const Inputs& in) {
    return !(in.c == 0 || in.ro == 0);
}

bool oscillates(const Characteristics& ch) {
    return ch.omega_0 > ch.delta;
}

bool isDriven(const Characteristics& ch) {
    return ch.omega_v != 0;
}

// Resonance needs a positive radicand; a viscosity of large negative value can make it negative
// even though omega_0 exceeds delta·√2.
bool hasResonance(const Characteristics& ch) {
    return ch.omega_0 > ch.delta * std::sqrt(2.0) && ch.omega_0_sq - 2 * ch.delta * ch.delta > 0;
}

Characteristics deriveCharacteristics(const Inputs& in, const Characteristics& previous) {
    Characteristics ch = previous;
    deriveMediumAndEquilibrium(in, ch);
    deriveOscillation(in, ch);
    deriveStepAndEstimates(in, ch);
    return ch;
}

bool canRun(const Inputs& in, const Characteristics& ch) {
    for (double v : {ch.step, ch.Xg, ch.X_max, ch.Vx_max, ch.quadraticDrag, ch.delta, ch.omega_0_sq,
                     ch.omega_v})
        if (!std::isfinite(v)) return false;
    // The model time must still grow by a step when it nears T, or the run would never end.
    return ch.step > 0 && double(in.T) + ch.step > double(in.T);
}

} // namespace trelvix
