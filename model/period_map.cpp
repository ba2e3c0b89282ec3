#include "model/period_map.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace trelvix {

// The damping rate of small deviations at each of the four stages of a step, 2δ + 2c₂·|Vx|:
// the variational equations of a step need it at the same points as the step itself.
struct PeriodMap::Stages {
    double damping[4];
};

PeriodMap::PeriodMap(const DrivenOscillator& s, double nu, long steps)
    : s_(s), force_(driveAcceleration(s)), h_(1 / (nu * static_cast<double>(steps))),
      cosine_(static_cast<std::size_t>(2 * steps + 1)) {
    // The cosine of the first quarter period, mirrored into the other three: a quarter of the
    // cosines to compute, and the values of the quarters agree exactly.
    const std::size_t half = cosine_.size() / 2;
    const std::size_t quarter = half / 2;
    const double halfStepAngle = std::numbers::pi / static_cast<double>(half);
    for (std::size_t i = 0; i <= quarter; ++i)
        cosine_[i] = std::cos(halfStepAngle * static_cast<double>(i));
    for (std::size_t i = quarter + 1; i <= half; ++i)
        cosine_[i] = -cosine_[half - i];
    for (std::size_t i = half + 1; i < cosine_.size(); ++i)
        cosine_[i] = cosine_[2 * half - i];
}

double PeriodMap::acceleration(double y, double Vx, double cosine) const {
    return -s_.omega_0_sq * y - 2 * s_.delta * Vx - s_.quadraticDrag * Vx * std::fabs(Vx) +
           force_ * cosine;
}

PhasePoint PeriodMap::step(PhasePoint p, long index, Stages* stages) const {
    const double h = h_;
    const double atStart = cosine_[2 * index];
    const double atMiddle = cosine_[2 * index + 1];
    const double atEnd = cosine_[2 * index + 2];

    const double V1 = p.Vx;
    const double a1 = acceleration(p.y, V1, atStart);
    const double V2 = p.Vx + h / 2 * a1;
    const double a2 = acceleration(p.y + h / 2 * V1, V2, atMiddle);
    const double V3 = p.Vx + h / 2 * a2;
    const double a3 = acceleration(p.y + h / 2 * V2, V3, atMiddle);
    const double V4 = p.Vx + h * a3;
    const double a4 = acceleration(p.y + h * V3, V4, atEnd);

    if (stages) {
        const double V[4] = {V1, V2, V3, V4};
        for (int i = 0; i < 4; ++i)
            stages->damping[i] = 2 * s_.delta + 2 * s_.quadraticDrag * std::fabs(V[i]);
    }
    return {p.y + h / 6 * (V1 + 2 * V2 + 2 * V3 + V4), p.Vx + h / 6 * (a1 + 2 * a2 + 2 * a3 + a4)};
}

PhasePoint PeriodMap::advance(PhasePoint p) const {
    const long steps = this->steps();
    for (long i = 0; i < steps; ++i)
        p = step(p, i, nullptr);
    return p;
}

namespace {

// One Runge-Kutta step of a small deviation (u, w) from the path, with the same stages as the
// step of the path: the result is exactly the derivative of the step, so Newton's method sees
// the true derivative of the map it solves.
void stepDeviation(double& u, double& w, double h, double omega_0_sq, const double damping[4]) {
    const auto rate = [&](double du, double dw, int stage) {
        return -omega_0_sq * du - damping[stage] * dw;
    };
    const double u1 = w, w1 = rate(u, w, 0);
    const double u2 = w + h / 2 * w1, w2 = rate(u + h / 2 * u1, w + h / 2 * w1, 1);
    const double u3 = w + h / 2 * w2, w3 = rate(u + h / 2 * u2, w + h / 2 * w2, 2);
    const double u4 = w + h * w3, w4 = rate(u + h * u3, w + h * w3, 3);
    u += h / 6 * (u1 + 2 * u2 + 2 * u3 + u4);
    w += h / 6 * (w1 + 2 * w2 + 2 * w3 + w4);
}

} // namespace

PhasePoint PeriodMap::advance(PhasePoint p, Sensitivity& d) const {
    d = Sensitivity{};
    const long steps = this->steps();
    Stages stages;
    for (long i = 0; i < steps; ++i) {
        p = step(p, i, &stages);
        stepDeviation(d.y_y, d.Vx_y, h_, s_.omega_0_sq, stages.damping);
        stepDeviation(d.y_Vx, d.Vx_Vx, h_, s_.omega_0_sq, stages.damping);
    }
    return p;
}

namespace {

// The extreme of a sampled smooth curve refined by the parabola through the extreme sample and
// its two neighbours (the samples are periodic).
double refinedExtreme(const std::vector<double>& y, std::size_t at) {
    const double before = y[(at + y.size() - 1) % y.size()];
    const double after = y[(at + 1) % y.size()];
    const double curvature = before - 2 * y[at] + after;
    if (curvature == 0) return y[at];
    const double slope = (after - before) / 2;
    // The vertex lies within half a step of the sample, so slope/curvature stays small where
    // slope² could overflow.
    return y[at] - slope * (slope / (2 * curvature));
}

} // namespace

PeriodShape PeriodMap::shape(PhasePoint p) const {
    const long steps = this->steps();
    std::vector<double> samples(static_cast<std::size_t>(steps));
    PeriodShape shape;
    for (long i = 0; i < steps; ++i) {
        samples[static_cast<std::size_t>(i)] = p.y;
        // sin(ωt) = cos(ωt − π/2), a quarter period (steps/2 half steps) earlier.
        shape.cosine += p.y * cosine_[2 * i];
        shape.sine += p.y * cosine_[std::labs(2 * i - steps / 2)];
        p = step(p, i, nullptr);
    }
    // Sums over equally spaced samples of a whole period give the Fourier coefficients exactly
    // up to harmonics far beyond those the motion has.
    shape.cosine *= 2 / static_cast<double>(steps);
    shape.sine *= 2 / static_cast<double>(steps);
    const auto [lowest, highest] = std::minmax_element(samples.begin(), samples.end());
    shape.yMin = refinedExtreme(samples, static_cast<std::size_t>(lowest - samples.begin()));
    shape.yMax = refinedExtreme(samples, static_cast<std::size_t>(highest - samples.begin()));
    return shape;
}

} // namespace trelvix
