#include "model/deviation_trace.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace trelvix {

namespace {

// Points per period of a harmonic or a comparison.  The sums over whole periods of a smooth
// periodic function converge faster than any power of this, so the cubic between the samples
// sets the accuracy, not this number.
constexpr int nodesPerPeriod = 256;

} // namespace

DeviationTrace::DeviationTrace(const RunRecord& record) {
    const double Xg = record.derived().Xg;
    samples_.reserve(record.samples().size());
    for (const RunSample& s : record.samples())
        samples_.push_back({s.t, s.X - Xg, s.Vx});
}

double DeviationTrace::start() const {
    return samples_.empty() ? 0 : samples_.front().t;
}

double DeviationTrace::end() const {
    return samples_.empty() ? 0 : samples_.back().t;
}

double DeviationTrace::at(double t) const {
    if (samples_.empty()) return 0;
    const auto after = std::upper_bound(samples_.begin(), samples_.end(), t,
                                        [](double time, const Point& p) { return time < p.t; });
    if (after == samples_.begin()) return samples_.front().y;
    if (after == samples_.end()) return samples_.back().y;
    const Point& a = *(after - 1);
    const Point& b = *after;
    const double h = b.t - a.t;
    const double s = (t - a.t) / h;
    const double r = 1 - s;
    return (1 + 2 * s) * r * r * a.y + s * r * r * h * a.Vx + s * s * (3 - 2 * s) * b.y -
           s * s * r * h * b.Vx;
}

// The midpoint rule over whole periods: for a periodic integrand it is as exact as the values.
std::complex<double> DeviationTrace::firstHarmonic(double omega, double from, int periods) const {
    const int nodes = nodesPerPeriod * periods;
    const double length = periods * 2 * std::numbers::pi / omega;
    const double h = length / nodes;
    std::complex<double> sum = 0;
    for (int j = 0; j < nodes; ++j) {
        const double t = from + (j + 0.5) * h;
        sum += at(t) * std::complex<double>(std::cos(omega * t), std::sin(omega * t));
    }
    return sum * (2.0 / nodes);
}

double DeviationTrace::largestChange(double period, double from) const {
    double largest = 0;
    for (int j = 0; j < nodesPerPeriod; ++j) {
        const double t = from + (j + 0.5) * period / nodesPerPeriod;
        largest = std::max(largest, std::abs(at(t) - at(t - period)));
    }
    return largest;
}

std::vector<double> DeviationTrace::upwardCrossings(double from, double to) const {
    std::vector<double> times;
    for (std::size_t i = 1; i < samples_.size(); ++i) {
        const Point& a = samples_[i - 1];
        const Point& b = samples_[i];
        if (!(a.y < 0 && b.y >= 0)) continue;
        const double t = a.t + (b.t - a.t) * (-a.y / (b.y - a.y));
        if (t >= from && t <= to) times.push_back(t);
    }
    return times;
}

std::vector<double> DeviationTrace::maxima() const {
    std::vector<double> heights;
    for (std::size_t i = 1; i + 1 < samples_.size(); ++i) {
        const double a = samples_[i - 1].y, b = samples_[i].y, c = samples_[i + 1].y;
        if (!(b > a && b >= c && b > 0)) continue;
        const double curvature = a - 2 * b + c;
        heights.push_back(curvature < 0 ? b - (c - a) * (c - a) / (8 * curvature) : b);
    }
    return heights;
}

} // namespace trelvix
