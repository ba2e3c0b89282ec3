#include "model/run_measurements.h"

#include "model/deviation_trace.h"
#include "model/driven_oscillator.h"
#include "model/steady_state.h"
#include "model/translated_text.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace trelvix {

namespace {

constexpr double pi = std::numbers::pi;
// The last two whole driving periods agree to this share of the amplitude once settled.
constexpr double settledShare = 0.01;
// Whole driving periods measured at most.
constexpr int measuredPeriods = 5;

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

// The reasons are made in the language of the windows at the moment a run is measured.
Measurement failed(std::string why) {
    Measurement m;
    m.reason = std::move(why);
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

void predict(Measurement& m, PredictionSource source, double value, std::string inapplicable = {}) {
    if (std::isfinite(value)) m.predictions.push_back({source, value, std::move(inapplicable)});
}

bool isFree(const RunRecord& r) {
    return r.inputs().Xm == 0;
}

bool hasQuadraticDrag(const RunRecord& r) {
    return r.derived().quadraticDrag != 0;
}

Measurement periodFrom(const std::vector<double>& crossings) {
    if (crossings.empty())
        return failed(
            translatedText("trelvix::Measurements", "нет ни одного пересечения Xg снизу вверх"));
    if (crossings.size() < 2)
        return failed(
            translatedText("trelvix::Measurements", "только одно пересечение Xg: меньше периода"));
    std::vector<double> periods;
    for (std::size_t i = 1; i < crossings.size(); ++i)
        periods.push_back(crossings[i] - crossings[i - 1]);
    return measuredFrom(periods);
}

// With the quadratic drag the amplitude A of y = A·cos(ω_s·t) decays as
// dA/dt = −δ·A − b·A², b = (4/3π)·quadraticDrag·ω_s (the energy both forces take over a period).
// Solved for 1/A over one period from the maximum A0: ln(A0/A1) = δ·T + ln(1 + b·A0·g),
// g = (1 − e^(−δ·T))/δ, which tends to T as δ vanishes.
double decrementAt(const Characteristics& ch, double A0) {
    const double b = 4 / (3 * pi) * ch.quadraticDrag * ch.omega_s;
    const double g = ch.delta > 0 ? -std::expm1(-ch.delta * ch.T_s) / ch.delta : ch.T_s;
    return ch.delta * ch.T_s + std::log1p(b * A0 * g);
}

void predictDecay(const RunRecord& r, const std::vector<double>& maxima, RunMeasurements& out) {
    const Characteristics& ch = r.derived();
    if (!hasQuadraticDrag(r)) {
        predict(out.logDecrement, PredictionSource::Characteristics, ch.logDecrement);
        predict(out.delta, PredictionSource::Characteristics, ch.delta);
        return;
    }
    double sum = 0;
    for (std::size_t i = 1; i < maxima.size(); ++i)
        sum += decrementAt(ch, maxima[i - 1]);
    const double decrement = sum / double(maxima.size() - 1);
    predict(out.logDecrement, PredictionSource::AmplitudeDecay, decrement);
    predict(out.delta, PredictionSource::AmplitudeDecay, decrement / ch.T_s);
    const std::string dependsOnAmplitude =
        translatedText("trelvix::Measurements", "при c ≠ 0 затухание зависит от амплитуды");
    predict(out.logDecrement, PredictionSource::Characteristics, ch.logDecrement,
            dependsOnAmplitude);
    predict(out.delta, PredictionSource::Characteristics, ch.delta, dependsOnAmplitude);
}

void measureFreeRun(const RunRecord& r, const DeviationTrace& trace, RunMeasurements& out) {
    out.amplitude = out.phaseLag = failed(translatedText(
        "trelvix::Measurements", "только для вынужденных колебаний (Xm ≠ 0, ν ≠ 0)"));
    out.period = periodFrom(trace.upwardCrossings(trace.start(), trace.end()));
    if (!oscillates(r.derived())) {
        out.logDecrement = out.delta = failed(
            translatedText("trelvix::Measurements", "апериодическое движение: колебаний нет"));
        return;
    }
    predict(out.period, PredictionSource::Characteristics, r.derived().T_s);
    const std::vector<double> maxima = trace.maxima();
    std::vector<double> ratios;
    for (std::size_t i = 1; i < maxima.size(); ++i)
        if (maxima[i] > 0 && maxima[i - 1] > 0)
            ratios.push_back(std::log(maxima[i - 1] / maxima[i]));
    if (ratios.empty()) {
        out.logDecrement = out.delta =
            failed(translatedText("trelvix::Measurements", "меньше двух максимумов отклонения"));
        return;
    }
    out.logDecrement = measuredFrom(ratios);
    if (out.period.value) {
        out.delta = out.logDecrement;
        out.delta.value = *out.logDecrement.value / *out.period.value;
        out.delta.spread = out.logDecrement.spread / *out.period.value;
    } else {
        out.delta = failed(translatedText("trelvix::Measurements", "период не измерен"));
    }
    predictDecay(r, maxima, out);
}

// Amplitude and lag from the program's own steady state when the quadratic drag acts, then the
// linear theory, which holds only without it.
void predictSteadyState(const RunRecord& r, double nu, RunMeasurements& out) {
    const DrivenOscillator s = drivenOscillatorOf(r.inputs(), r.derived());
    std::string linearInapplicable;
    if (hasQuadraticDrag(r)) {
        const ResonancePoint p = steadyState(s, nu);
        predict(out.amplitude, PredictionSource::SteadyState, p.amplitude);
        predict(out.phaseLag, PredictionSource::SteadyState, p.phase);
        linearInapplicable =
            translatedText("trelvix::Measurements", "без квадратичного сопротивления, а c ≠ 0");
    }
    predict(out.amplitude, PredictionSource::LinearTheory, linearAmplitude(s, nu),
            linearInapplicable);
    predict(out.phaseLag, PredictionSource::LinearTheory, linearPhase(s, nu), linearInapplicable);
}

// The window of whole driving periods that ends at the last sample.  The motion counts as settled
// when the last period repeats the one before it, in the first harmonic and sample by sample.
void measureDrivenRun(const RunRecord& r, const DeviationTrace& trace, RunMeasurements& out) {
    out.logDecrement = out.delta =
        failed(translatedText("trelvix::Measurements", "только для свободных колебаний (Xm = 0)"));
    const double nu = std::abs(r.inputs().nu);
    const double T_v = 1 / nu;
    const double omega = 2 * pi * nu;
    if (!std::isfinite(T_v)) {
        out.period = out.amplitude = out.phaseLag = failed(translatedText(
            "trelvix::Measurements", "только для вынужденных колебаний (Xm ≠ 0, ν ≠ 0)"));
        return;
    }
    // Counted in floating point first: a run far longer than int periods still has its last five.
    const double whole = std::floor((trace.end() - trace.start()) / T_v);
    if (whole < 2) {
        out.period = out.amplitude = out.phaseLag = failed(translatedText(
            "trelvix::Measurements", "меньше двух полных периодов вынуждающей силы"));
        return;
    }
    const int periods = int(std::min<double>(measuredPeriods, whole));
    const double end = trace.end();
    const std::complex<double> last = trace.firstHarmonic(omega, end - T_v, 1);
    const std::complex<double> before = trace.firstHarmonic(omega, end - 2 * T_v, 1);
    const double tolerance = settledShare * std::abs(last);
    if (!(std::abs(last - before) <= tolerance &&
          trace.largestChange(T_v, end - T_v) <= tolerance)) {
        out.period = out.amplitude = out.phaseLag =
            failed(translatedText("trelvix::Measurements", "колебания ещё не установились"));
        return;
    }
    out.period = periodFrom(trace.upwardCrossings(end - periods * T_v, end));
    predict(out.period, PredictionSource::Characteristics, T_v);
    const std::complex<double> h = trace.firstHarmonic(omega, end - periods * T_v, periods);
    const double phase = std::arg(h);
    out.amplitude = measuredFrom({std::abs(h)});
    out.phaseLag = measuredFrom({phase < 0 ? phase + 2 * pi : phase});
    out.amplitude.readings = out.phaseLag.readings = periods;
    predictSteadyState(r, nu, out);
}

} // namespace

const Prediction* Measurement::applicable() const {
    const auto holds = std::find_if(predictions.begin(), predictions.end(),
                                    [](const Prediction& p) { return p.inapplicable.empty(); });
    return holds == predictions.end() ? nullptr : &*holds;
}

std::optional<double> Measurement::differencePercent() const {
    const Prediction* p = applicable();
    if (!value || !p || p->value == 0) return std::nullopt;
    return 100 * (*value - p->value) / std::abs(p->value);
}

RunMeasurements measureRun(const RunRecord& r) {
    RunMeasurements out;
    const DeviationTrace trace(r);
    if (trace.empty()) {
        out.period = out.logDecrement = out.delta = out.amplitude = out.phaseLag =
            failed(translatedText("trelvix::Measurements", "прогона ещё не было"));
        return out;
    }
    if (isFree(r))
        measureFreeRun(r, trace, out);
    else
        measureDrivenRun(r, trace, out);
    return out;
}

} // namespace trelvix
