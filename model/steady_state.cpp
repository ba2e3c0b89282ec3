#include "model/steady_state.h"

#include "model/period_map.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <optional>

namespace trelvix {

InputProblem checkOscillator(const DrivenOscillator& s) {
    for (double v : {s.omega_0_sq, s.delta, s.quadraticDrag, s.Xg, s.Xm, s.touchLimit})
        if (!std::isfinite(v)) return InputProblem::NonFiniteCoefficient;
    if (s.omega_0_sq <= 0) return InputProblem::NoRestoringForce;
    if (s.delta < 0 || s.quadraticDrag < 0) return InputProblem::NegativeDamping;
    if (s.Xm < 0) return InputProblem::NegativeDriveAmplitude;
    return InputProblem::None;
}

InputProblem checkFrequency(double nu) {
    return std::isfinite(nu) && nu > 0 ? InputProblem::None : InputProblem::NonPositiveFrequency;
}

namespace {

constexpr double notANumber = std::numeric_limits<double>::quiet_NaN();

// Lengths compare with `length`, velocities with `length`·ω: the amplitude of each.
struct Scale {
    double length;
    double omega;
    bool within(double dy, double dVx) const {
        return std::fabs(dy) <= length && std::fabs(dVx) <= length * omega;
    }
};

ResonancePoint nonFinitePoint(ResonancePoint point) {
    point.amplitude = notANumber;
    point.phase = notANumber;
    point.touches = false;
    point.status = PointStatus::NonFinite;
    return point;
}

// Amplitude, phase and touching of the period that starts at `start`.
ResonancePoint measure(const DrivenOscillator& s, double nu, const PeriodMap& map, PhasePoint start,
                       PointStatus status) {
    ResonancePoint point{nu};
    const PeriodShape shape = map.shape(start);
    point.amplitude = (shape.yMax - shape.yMin) / 2;
    // Over a period the drive does the work sine·(ω·F/2)·T, and the damping takes energy away,
    // so sine ≥ 0 and the lag lies in [0, π]; its magnitude keeps a round-off sign of a
    // vanishing sine from throwing the lag to −π.
    point.phase = std::atan2(std::fabs(shape.sine), shape.cosine);
    if (!std::isfinite(point.amplitude) || !std::isfinite(point.phase))
        return nonFinitePoint(point);
    point.touches = s.Xg + shape.yMin < s.touchLimit;
    point.status = status;
    return point;
}

// Newton's method on P(p) − p = 0, P the period map, from `p`; nothing when the corrections do
// not fall below the tolerance within the iterations allowed or stop being finite.
std::optional<PhasePoint> periodicState(const PeriodMap& map, PhasePoint p, double amplitude,
                                        double omega, const SteadyStateSettings& settings) {
    for (int i = 0; i < settings.maxNewtonIterations; ++i) {
        Sensitivity d;
        const PhasePoint end = map.advance(p, d);
        const double ry = end.y - p.y;
        const double rVx = end.Vx - p.Vx;
        // Solve (D − I)·correction = −residual by Cramer's rule.
        const double a = d.y_y - 1, b = d.y_Vx, c = d.Vx_y, e = d.Vx_Vx - 1;
        const double determinant = a * e - b * c;
        const double dy = (b * rVx - e * ry) / determinant;
        const double dVx = (c * ry - a * rVx) / determinant;
        if (!std::isfinite(dy) || !std::isfinite(dVx)) return std::nullopt;
        p = {p.y + dy, p.Vx + dVx};
        const double size = std::max(amplitude, std::hypot(p.y, p.Vx / omega));
        if (Scale{settings.newtonTolerance * size, omega}.within(dy, dVx)) return p;
    }
    return std::nullopt;
}

struct Settled {
    PhasePoint state;
    long periods;
    bool calm; // the last period changed the state by less than the tolerance
};

// Integrates period after period from `p` until one changes the state by less than `tolerance`,
// for at most `maxPeriods` periods.
Settled settle(const PeriodMap& map, PhasePoint p, Scale tolerance, long maxPeriods) {
    for (long n = 1; n <= maxPeriods; ++n) {
        const PhasePoint next = map.advance(p);
        const bool calm = tolerance.within(next.y - p.y, next.Vx - p.Vx);
        p = next;
        if (calm || !std::isfinite(p.y) || !std::isfinite(p.Vx)) return {p, n, calm};
    }
    return {p, maxPeriods, false};
}

// The answer of the damping-equivalent linearisation: exact without quadratic drag, and with it
// whenever the drag force stays below the accuracy's share of the spring force (a slow drive).
// An undamped drive exactly at ω0 gives an infinite amplitude, a quarter period behind.
ResonancePoint quasiStatic(const DrivenOscillator& s, double nu, const Harmonic& guess,
                           const SteadyStateSettings& settings) {
    ResonancePoint point{nu};
    const double omega = 2 * std::numbers::pi * nu;
    point.amplitude = guess.amplitude;
    point.phase = std::isinf(guess.amplitude) ? std::numbers::pi / 2 : guess.phase;
    point.touches = s.Xg - point.amplitude < s.touchLimit;
    const double dragShare =
        s.quadraticDrag > 0 ? s.quadraticDrag * omega * omega * guess.amplitude / s.omega_0_sq : 0;
    point.status = dragShare <= settings.accuracy ? PointStatus::Solved : PointStatus::Uncertain;
    return point;
}

bool refused(const DrivenOscillator& s, double nu) {
    return checkOscillator(s) != InputProblem::None || checkFrequency(nu) != InputProblem::None;
}

// Steps per period of the drive.  Each step turns the drive, the free oscillation and the
// relaxation of the velocity (rate 2δ + 2·quadraticDrag·|Vx|) by at most 2π/stepsPerCycle.  Near
// a sharp resonance the free oscillation needs finer steps still: the Runge-Kutta step shifts its
// frequency by the share θ⁴/120 (θ the turn per step), so ω0² moves by θ⁴/60·ω0², and a
// response A = F/|D|, D = ω0² − ω² + 2iδω, changes by that share of |D|.  Hence
// θ⁴ ≤ 60·accuracy·|D|/ω0², with |D| = F/A of the first guess.  `capped` tells whether the limit
// of the settings cut the steps.
long periodSteps(const DrivenOscillator& s, double nu, const Harmonic& guess,
                 const SteadyStateSettings& settings, bool& capped) {
    const double omega = 2 * std::numbers::pi * nu;
    const double turn = 2 * std::numbers::pi / settings.stepsPerCycle;
    const double detuning = driveAcceleration(s) / guess.amplitude;
    const double resonantTurn = std::pow(60 * settings.accuracy * detuning / s.omega_0_sq, 0.25);
    const double relaxation = 2 * s.delta + 2 * s.quadraticDrag * omega * guess.amplitude;
    const double stepTime = std::fmin(std::fmin(turn / omega, turn / relaxation),
                                      std::fmin(turn, resonantTurn) / std::sqrt(s.omega_0_sq));
    // A multiple of 4, so that the period map finds the sine in its table of the cosine.
    const double steps = 4 * std::ceil(1 / (4 * nu * stepTime));
    capped = !(steps <= static_cast<double>(settings.maxStepsPerPeriod));
    return capped ? settings.maxStepsPerPeriod / 4 * 4 : static_cast<long>(steps);
}

} // namespace

ResonancePoint steadyState(const DrivenOscillator& s, double nu,
                           const SteadyStateSettings& settings) {
    if (refused(s, nu)) return nonFinitePoint({nu});
    const double omega = 2 * std::numbers::pi * nu;
    const Harmonic guess = equivalentLinearResponse(s, nu);
    bool capped = false;
    const long steps = periodSteps(s, nu, guess, settings, capped);
    // At rest in the equilibrium without a drive; no step can resolve an infinite amplitude.
    if (capped || guess.amplitude == 0) return quasiStatic(s, nu, guess, settings);
    const PeriodMap map(s, nu, steps);
    const PhasePoint start{guess.amplitude * std::cos(guess.phase),
                           omega * guess.amplitude * std::sin(guess.phase)};

    if (const auto periodic = periodicState(map, start, guess.amplitude, omega, settings))
        return measure(s, nu, map, *periodic, PointStatus::Solved);

    const long periods = std::max(1L, settings.fallbackSteps / steps);
    const Scale tolerance{settings.newtonTolerance * guess.amplitude, omega};
    return measure(s, nu, map, settle(map, start, tolerance, periods).state,
                   PointStatus::Uncertain);
}

ResonancePoint steadyStateByIntegration(const DrivenOscillator& s, double nu, double tolerance,
                                        long maxPeriods, long& periodsUsed,
                                        const SteadyStateSettings& settings) {
    periodsUsed = 0;
    if (refused(s, nu)) return nonFinitePoint({nu});
    const double omega = 2 * std::numbers::pi * nu;
    bool capped = false;
    const Harmonic guess = equivalentLinearResponse(s, nu);
    const PeriodMap map(s, nu, periodSteps(s, nu, guess, settings, capped));
    const Settled settled = settle(map, {}, {tolerance, omega}, maxPeriods);
    periodsUsed = settled.periods;
    const bool trusted = settled.calm && !capped;
    return measure(s, nu, map, settled.state,
                   trusted ? PointStatus::Solved : PointStatus::Uncertain);
}

} // namespace trelvix
