#include "model/characteristics.h"

#include "model/number_text.h"

#include <cmath>
#include <limits>

namespace trelvix {

namespace {

// The constants are used exactly as written: they are ten-decimal values, and the figures that
// teachers compare against were computed with them.
constexpr double pi = 3.1415926536;
constexpr double two_pi = 6.2831853072;
constexpr double three_pi = 9.4247779608;
constexpr double g = 9.814;
constexpr std::int16_t stepsPerPeriod = 50;

constexpr double infinity = std::numeric_limits<double>::infinity();

// a / b with the values IEEE arithmetic gives, but without dividing by zero.
double quotient(double a, double b) {
    if (b != 0) return a / b;
    if (a == 0 || std::isnan(a)) return std::numeric_limits<double>::quiet_NaN();
    return (a > 0) == !std::signbit(b) ? infinity : -infinity;
}

// "Ts = " → "Ts ", "   =" → "   ": what stands before the equals sign.
std::string nameOf(std::string_view prefix) {
    std::string name(prefix);
    while (!name.empty() && name.back() == ' ')
        name.pop_back();
    if (!name.empty() && name.back() == '=') name.pop_back();
    return name;
}

// The text of a row whose value is infinite or undefined, in the manner of the limit texts:
// "Ts -> oo", "Xg -> -oo"; a value without any meaning says so.
std::string limitText(std::string_view prefix, double value) {
    if (std::isnan(value)) return nameOf(prefix) + "не определено";
    return nameOf(prefix) + (value > 0 ? "-> oo" : "-> -oo");
}

struct Row {
    std::string_view prefix;
    std::string_view pattern;
    std::string_view unit;
};

std::string rowText(const Row& row, double value, std::string_view separator) {
    if (!std::isfinite(value)) return limitText(row.prefix, value);
    return std::string(row.prefix) + formatNumber(value, row.pattern, separator) +
           std::string(row.unit);
}

constexpr Row densityOfBall{"   =", "0.000E+00", " кг/куб.м"};
constexpr Row massOfMedium{"mo = ", "0.000E+00", " кг"};
constexpr Row equilibrium{"Xg = ", "0.00000e+00", " м"};
constexpr Row quadraticDistance{"r2 = ", "0.000E+00", " м"};
constexpr Row damping{"   = ", "0.000E+00", " рад/c"};
constexpr Row harmonicFrequency{"   o = ", "0.000E+00", " рад/c"};
constexpr Row naturalFrequency{"   s = ", "0.000E+00", " рад/c"};
constexpr Row drivingFrequency{"   v = ", "0.000E+00", " рад/c"};
constexpr Row harmonicPeriod{"To = ", "0.000E+00", " c"};
constexpr Row naturalPeriod{"Ts = ", "0.000E+00", " c"};
constexpr Row drivingPeriod{"Tv = ", "0.000E+00", " c"};
constexpr Row decrement{"    = ", "0.000E+00", " "};
constexpr Row qualityFactor{"Q = ", "0.000E+00", " "};
constexpr Row resonance{"   r = ", "0.0000E+00", " Гц"};
constexpr Row criticalViscosity{"   _kr = ", "0.000E+00", " Па·с"};

} // namespace

Captions parametr(Experiment& e, std::string_view sep) {
    Captions c;
    const double d3 = e.d * e.d * e.d;

    e.ro_shara = quotient(6 * e.m, pi * d3);
    c.Label12 = rowText(densityOfBall, e.ro_shara, sep);

    e.mo = e.ro * pi * d3 / 6;
    c.Label13 = rowText(massOfMedium, e.mo, sep);

    e.Xg = e.L0 + e.d / 2 + quotient((e.m - e.mo) * g, e.k);
    c.Label14 = rowText(equilibrium, e.Xg, ".");

    const bool noQuadraticForce = e.c == 0 || e.ro == 0;
    if (noQuadraticForce) {
        c.Label15 = "r2 -> oo";
    } else {
        e.r2 = quotient(quotient(4 * e.m * e.d / 3, e.c), e.mo);
        c.Label15 = rowText(quadraticDistance, e.r2, sep);
    }

    // Written out so that no "0 · infinity" of huge inputs can make it NaN: without the medium
    // or the drag coefficient there is no quadratic force at all.
    e.koeff_v2 = noQuadraticForce ? 0.0 : quotient(quotient(3 * e.c * e.mo / 4, e.m), e.d);

    e.delta = quotient(three_pi * e.eta * e.d / 2, e.m);
    c.Label16 = rowText(damping, e.delta, sep);

    e.omega_0_kv = quotient(e.k, e.m);
    e.omega_0 = std::sqrt(e.omega_0_kv);
    c.Label17 = rowText(harmonicFrequency, e.omega_0, sep);

    e.omega_s = std::sqrt(std::fabs(e.omega_0_kv - e.delta * e.delta));
    c.Label22 = rowText(naturalFrequency, e.omega_s, sep);

    e.omega_v = e.nu * two_pi;
    c.Label23 = rowText(drivingFrequency, e.omega_v, sep);

    e.T_0 = quotient(two_pi, e.omega_0);
    c.Label24 = rowText(harmonicPeriod, e.T_0, sep);

    const bool oscillates = e.omega_0 > e.delta;
    if (oscillates) {
        e.T_s = quotient(two_pi, e.omega_s);
        c.Label25 = rowText(naturalPeriod, e.T_s, sep);
    } else {
        c.Label25 = "Ts -> oo";
    }

    // Without a driving frequency the driving period is infinite.  A negative frequency drives
    // exactly like its magnitude (the cosine is even), so the period shown is a magnitude.
    const bool driven = e.omega_v != 0;
    if (driven) {
        e.T_v = two_pi / e.omega_v;
        c.Label26 = rowText(drivingPeriod, std::fabs(e.T_v), sep);
    } else {
        c.Label26 = "Tv -> oo";
    }

    if (oscillates) {
        e.log_dekrement = e.delta * e.T_s;
        c.Label27 = rowText(decrement, e.log_dekrement, sep);
    } else {
        c.Label27 = "    -> oo";
    }

    if (e.eta == 0) {
        c.Label28 = "Q -> oo";
    } else if (e.omega_0 < e.delta) {
        c.Label28 = "Q -> 0";
    } else {
        e.dobrotnost = quotient(pi, e.delta);
        c.Label28 = rowText(qualityFactor, e.dobrotnost, sep);
    }

    // Resonance needs a positive radicand; a viscosity of large negative value can make it
    // negative even though omega_0 exceeds delta·√2.
    const double resonanceRadicand = e.omega_0_kv - 2 * e.delta * e.delta;
    if (e.omega_0 > e.delta * std::sqrt(2.0) && resonanceRadicand > 0) {
        e.nu_rez = std::sqrt(resonanceRadicand) / 2 / pi;
        c.Label29 = rowText(resonance, e.nu_rez, sep);
    } else {
        c.Label29 = "  r -> 0";
    }

    e.eta_kr = toSingle(quotient(std::sqrt(e.m * e.k) * 2 / 3 / pi, e.d));
    c.Label30 = rowText(criticalViscosity, e.eta_kr, sep);

    // Fifty steps per period of the faster of the free harmonic and the driving oscillation.
    e.n_shagov = stepsPerPeriod;
    const double drivingPeriodLength = driven ? std::fabs(e.T_v) : infinity;
    e.shag = (e.T_0 <= drivingPeriodLength ? e.T_0 : drivingPeriodLength) / e.n_shagov;

    // Undamped free amplitude from X0, V0x plus the driving amplitude, and the matching speed.
    const double offset = e.X0 - e.Xg;
    e.X_max = e.Xm + std::sqrt(quotient(e.V0x * e.V0x, e.omega_0_kv) + offset * offset);
    e.Vx_max = e.omega_0 * e.X_max;
    return c;
}

bool canRun(const Experiment& e) {
    for (double v : {e.shag, e.Xg, e.X_max, e.Vx_max, e.koeff_v2, e.delta, e.omega_0_kv, e.omega_v})
        if (!std::isfinite(v)) return false;
    // The model time must still grow by a step when it nears T, or the run would never end.
    return e.shag > 0 && double(e.T) + e.shag > double(e.T);
}

} // namespace trelvix
