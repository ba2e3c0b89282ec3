#include "model/run_measurements.h"

#include "model/driven_oscillator.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace trelvix {

namespace {

constexpr double pi = std::numbers::pi;

struct Statistics {
    double mean = 0;
    double spread = 0;
};

Statistics statisticsOf(const std::vector<double>& values) {
    double sum = 0;
    for (double v : values)
        sum += v;
    const double mean = sum / double(values.size());
    double squares = 0;
    for (double v : values)
        squares += (v - mean) * (v - mean);
    const double spread = values.size() > 1 ? std::sqrt(squares / double(values.size() - 1)) : 0;
    return {mean, spread};
}

Measurement failed(std::string reason) {
    Measurement m;
    m.reason = std::move(reason);
    return m;
}

Measurement measuredFrom(const std::vector<double>& readings) {
    const Statistics s = statisticsOf(readings);
    Measurement m;
    m.value = s.mean;
    m.spread = s.spread;
    m.readings = int(readings.size());
    return m;
}

void predict(Measurement& m, double predicted) {
    if (!std::isfinite(predicted)) return;
    m.predicted = predicted;
    m.hasPrediction = true;
}

bool isFree(const RunRecord& r) {
    return r.inputs().Xm == 0;
}

// Times at which the deviation X − Xg passes zero upwards (from below to at or above zero),
// interpolated linearly between the samples.
std::vector<double> upwardCrossings(const RunRecord& r) {
    const std::vector<RunSample>& s = r.samples();
    const double Xg = r.derived().Xg;
    std::vector<double> times;
    for (std::size_t i = 1; i < s.size(); ++i) {
        const double before = s[i - 1].X - Xg;
        const double after = s[i].X - Xg;
        if (before < 0 && after >= 0)
            times.push_back(s[i - 1].t + (s[i].t - s[i - 1].t) * (-before / (after - before)));
    }
    return times;
}

// The heights of the maxima of the deviation, each refined by the parabola through the
// largest sample and its two neighbours.
std::vector<double> maximaOfDeviation(const RunRecord& r) {
    const std::vector<RunSample>& s = r.samples();
    const double Xg = r.derived().Xg;
    std::vector<double> heights;
    for (std::size_t i = 1; i + 1 < s.size(); ++i) {
        const double a = s[i - 1].X - Xg, b = s[i].X - Xg, c = s[i + 1].X - Xg;
        if (!(b > a && b >= c && b > 0)) continue;
        const double curvature = a - 2 * b + c;
        heights.push_back(curvature < 0 ? b - (c - a) * (c - a) / (8 * curvature) : b);
    }
    return heights;
}

Measurement measurePeriod(const RunRecord& r) {
    const std::vector<double> crossings = upwardCrossings(r);
    if (crossings.empty()) return failed("нет ни одного пересечения Xg снизу вверх");
    if (crossings.size() < 2) return failed("только одно пересечение Xg: меньше периода");
    std::vector<double> periods;
    for (std::size_t i = 1; i < crossings.size(); ++i)
        periods.push_back(crossings[i] - crossings[i - 1]);
    return measuredFrom(periods);
}

} // namespace

std::optional<double> Measurement::differencePercent() const {
    if (!value || !hasPrediction || predicted == 0) return std::nullopt;
    return 100 * (*value - predicted) / std::abs(predicted);
}

namespace {

void measureDecay(const RunRecord& r, RunMeasurements& out) {
    if (!isFree(r)) {
        out.logDecrement = out.delta = failed("только для свободных колебаний (Xm = 0)");
        return;
    }
    if (!oscillates(r.derived())) {
        out.logDecrement = out.delta = failed("апериодическое движение: колебаний нет");
        return;
    }
    const std::vector<double> maxima = maximaOfDeviation(r);
    std::vector<double> ratios;
    for (std::size_t i = 1; i < maxima.size(); ++i)
        if (maxima[i] > 0 && maxima[i - 1] > 0)
            ratios.push_back(std::log(maxima[i - 1] / maxima[i]));
    if (ratios.empty()) {
        out.logDecrement = out.delta = failed("меньше двух максимумов отклонения");
        return;
    }
    out.logDecrement = measuredFrom(ratios);
    if (out.period.value) {
        out.delta = out.logDecrement;
        out.delta.value = *out.logDecrement.value / *out.period.value;
        out.delta.spread = out.logDecrement.spread / *out.period.value;
    } else {
        out.delta = failed("период не измерен");
    }
}

// The first harmonic of the deviation over the last whole driving periods (at most five, at
// least one), by the trapezoid rule: y ≈ A·cos(ωt − φ).
struct FirstHarmonic {
    double amplitude = 0;
    double phase = 0;
};

FirstHarmonic firstHarmonic(const RunRecord& r, double omega, double from, double to) {
    const std::vector<RunSample>& s = r.samples();
    const double Xg = r.derived().Xg;
    // Sample times carry rounding: a sample within a millionth of a period of an end belongs in.
    const double slack = 1e-6 * (to - from);
    double a = 0, b = 0;
    for (std::size_t i = 1; i < s.size(); ++i) {
        if (s[i - 1].t < from - slack || s[i].t > to + slack) continue;
        const double h = s[i].t - s[i - 1].t;
        const double y0 = s[i - 1].X - Xg, y1 = s[i].X - Xg;
        a += h / 2 * (y0 * std::cos(omega * s[i - 1].t) + y1 * std::cos(omega * s[i].t));
        b += h / 2 * (y0 * std::sin(omega * s[i - 1].t) + y1 * std::sin(omega * s[i].t));
    }
    a *= 2 / (to - from);
    b *= 2 / (to - from);
    return {std::hypot(a, b), std::atan2(b, a)};
}

void measureSteadyState(const RunRecord& r, RunMeasurements& out) {
    const double T_v = r.derived().T_v;
    const double omega = 2 * pi / T_v;
    const double end = r.samples().empty() ? 0 : r.samples().back().t;
    if (isFree(r) || !std::isfinite(T_v) || T_v <= 0) {
        out.amplitude = out.phaseLag = failed("только для вынужденных колебаний (Xm ≠ 0, ν ≠ 0)");
        return;
    }
    // Counted in floating point first: a run far longer than int periods still has its last five.
    const int periods = int(std::min(5.0, std::floor(end / T_v)));
    if (periods < 2) {
        out.amplitude = out.phaseLag = failed("меньше двух полных периодов вынуждающей силы");
        return;
    }
    // The start of the whole periods counted back from the end, on the drive's own phase.
    const double to = std::floor(end / T_v) * T_v;
    const FirstHarmonic last = firstHarmonic(r, omega, to - T_v, to);
    const FirstHarmonic before = firstHarmonic(r, omega, to - 2 * T_v, to - T_v);
    if (std::abs(last.amplitude - before.amplitude) > 0.01 * last.amplitude) {
        out.amplitude = out.phaseLag = failed("колебания ещё не установились");
        return;
    }
    const FirstHarmonic h = firstHarmonic(r, omega, to - periods * T_v, to);
    out.amplitude = measuredFrom({h.amplitude});
    out.phaseLag = measuredFrom({h.phase < 0 ? h.phase + 2 * pi : h.phase});
    out.amplitude.readings = out.phaseLag.readings = periods;
}

} // namespace

RunMeasurements measureRun(const RunRecord& r) {
    RunMeasurements out;
    out.period = measurePeriod(r);
    measureDecay(r, out);
    measureSteadyState(r, out);
    const Characteristics& ch = r.derived();
    predict(out.period, isFree(r) ? ch.T_s : ch.T_v);
    if (isFree(r) && oscillates(ch)) {
        predict(out.logDecrement, ch.logDecrement);
        predict(out.delta, ch.delta);
    }
    if (!isFree(r)) {
        const DrivenOscillator s = drivenOscillatorOf(r.inputs(), ch);
        predict(out.amplitude, linearAmplitude(s, std::abs(r.inputs().nu)));
        predict(out.phaseLag, linearPhase(s, std::abs(r.inputs().nu)));
    }
    return out;
}

} // namespace trelvix
