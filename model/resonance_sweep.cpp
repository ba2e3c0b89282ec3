#include "model/resonance_sweep.h"

#include <algorithm>
#include <cmath>

namespace trelvix {

namespace {

// Each refinement divides the intervals on both sides of the highest point into this many plus
// one: a batch of eight points keeps a few cores busy and narrows the bracket fivefold.
constexpr int pointsPerInterval = 4;
// The peak counts as resolved when the parabola through the highest point and its neighbours
// rises at most this share above it ...
constexpr double parabolaExcess = 5e-4;
// ... and the neighbours lie within this share below it, so that the three points sit on the
// top of the peak, where a parabola is a faithful model.  Far down a sharp peak's flanks they
// would not.
constexpr double neighbourDrop = 0.05;
// Frequencies closer than this share cannot be told apart in the steady state any more.
constexpr double narrowestBracket = 1e-9;

// The highest value on [a.nu, c.nu] of the parabola through the amplitudes of a, b and c (in
// order of frequency); NaN if one of them has none.
double parabolaTop(const ResonancePoint& a, const ResonancePoint& b, const ResonancePoint& c) {
    const double slopeAB = (b.amplitude - a.amplitude) / (b.nu - a.nu);
    const double slopeBC = (c.amplitude - b.amplitude) / (c.nu - b.nu);
    const double curvature = (slopeBC - slopeAB) / (c.nu - a.nu);
    const double slopeAtB = slopeAB + curvature * (b.nu - a.nu);
    const double ends = std::max(a.amplitude, c.amplitude);
    if (std::isnan(curvature)) return curvature;
    if (curvature >= 0) return std::max(ends, b.amplitude);
    const double vertex = b.nu - slopeAtB / (2 * curvature);
    if (vertex <= a.nu || vertex >= c.nu) return std::max(ends, b.amplitude);
    return b.amplitude - slopeAtB * slopeAtB / (4 * curvature);
}

bool peakResolved(const std::vector<ResonancePoint>& points, std::size_t peak) {
    if (points.size() < 3) return false;
    const double height = points[peak].amplitude;
    const bool nearLeft = peak == 0 || points[peak - 1].amplitude >= (1 - neighbourDrop) * height;
    const bool nearRight =
        peak + 1 == points.size() || points[peak + 1].amplitude >= (1 - neighbourDrop) * height;
    const std::size_t middle = std::clamp<std::size_t>(peak, 1, points.size() - 2);
    const double top = parabolaTop(points[middle - 1], points[middle], points[middle + 1]);
    return nearLeft && nearRight && top <= (1 + parabolaExcess) * height;
}

void divide(double from, double to, std::vector<double>& into) {
    for (int k = 1; k <= pointsPerInterval; ++k)
        into.push_back(from + k * (to - from) / (pointsPerInterval + 1));
}

bool cancelled(const SweepOptions& options) {
    return options.cancel && options.cancel->load();
}

// The points of `count` frequencies from `first` whose steady state was computed before any
// cancelling, sorted by frequency.
std::vector<ResonancePoint> computeChunk(const DrivenOscillator& s, const double* first,
                                         std::size_t count, const SweepOptions& options) {
    std::vector<ResonancePoint> slots(count);
    std::vector<char> done(count, 0);
    options.map(count, [&](std::size_t k) {
        if (cancelled(options)) return;
        slots[k] = steadyState(s, first[k]);
        done[k] = 1;
    });
    std::size_t kept = 0;
    for (std::size_t k = 0; k < count; ++k)
        if (done[k]) slots[kept++] = slots[k];
    slots.resize(kept);
    std::sort(slots.begin(), slots.end(),
              [](const ResonancePoint& a, const ResonancePoint& b) { return a.nu < b.nu; });
    return slots;
}

// Computes the batch a chunk at a time into `points`, handing each chunk to the caller.
void computeBatch(const DrivenOscillator& s, const std::vector<double>& batch,
                  const SweepOptions& options, const ChunkSink& computed,
                  std::vector<ResonancePoint>& points) {
    for (std::size_t first = 0; first < batch.size() && !cancelled(options); first += sweepChunk) {
        std::vector<ResonancePoint> chunk = computeChunk(
            s, batch.data() + first, std::min(sweepChunk, batch.size() - first), options);
        if (computed) computed(chunk);
        mergePoints(points, std::move(chunk));
    }
}

} // namespace

InputProblem checkRange(const FrequencyRange& range) {
    if (checkFrequency(range.from) != InputProblem::None ||
        checkFrequency(range.to) != InputProblem::None)
        return InputProblem::NonPositiveFrequency;
    if (range.from >= range.to) return InputProblem::EmptyRange;
    if (range.points < 2) return InputProblem::TooFewPoints;
    if (range.points > maxSweepPoints) return InputProblem::TooManyPoints;
    return InputProblem::None;
}

std::vector<double> gridFrequencies(const FrequencyRange& range) {
    if (checkRange(range) != InputProblem::None) return {};
    std::vector<double> grid(static_cast<std::size_t>(range.points));
    const double span = range.to - range.from; // finite: both ends are positive and finite
    const auto intervals = static_cast<double>(range.points - 1);
    for (std::size_t i = 0; i < grid.size(); ++i) {
        const auto index = static_cast<double>(i);
        // i·span overflows near the largest numbers; the share of the span cannot.
        const double offset = index * span;
        grid[i] =
            range.from + (std::isfinite(offset) ? offset / intervals : index / intervals * span);
    }
    return grid;
}

std::vector<double> refinementFrequencies(const std::vector<ResonancePoint>& points) {
    const ResonancePoint* peak = peakPoint(points);
    if (!peak) return {};
    const std::size_t i = static_cast<std::size_t>(peak - points.data());
    const std::size_t first = i == 0 ? 0 : i - 1;
    const std::size_t last = std::min(i + 1, points.size() - 1);
    if (first == last || points[last].nu - points[first].nu <= narrowestBracket * peak->nu)
        return {};
    if (peakResolved(points, i)) return {};
    std::vector<double> batch;
    for (std::size_t k = first; k < last; ++k)
        divide(points[k].nu, points[k + 1].nu, batch);
    return batch;
}

void mergePoints(std::vector<ResonancePoint>& points, std::vector<ResonancePoint> batch) {
    const auto byFrequency = [](const ResonancePoint& a, const ResonancePoint& b) {
        return a.nu < b.nu;
    };
    std::sort(batch.begin(), batch.end(), byFrequency);
    const bool beyond = points.empty() || batch.empty() || points.back().nu <= batch.front().nu;
    const auto middle = points.insert(points.end(), batch.begin(), batch.end());
    // The chunks of the grid come in order: appended, they need no merging.
    if (!beyond) std::inplace_merge(points.begin(), middle, points.end(), byFrequency);
}

const ResonancePoint* peakPoint(const std::vector<ResonancePoint>& points) {
    const ResonancePoint* peak = nullptr;
    for (const ResonancePoint& p : points)
        if (std::isfinite(p.amplitude) && (!peak || p.amplitude > peak->amplitude)) peak = &p;
    return peak;
}

void serialMap(std::size_t count, const std::function<void(std::size_t)>& task) {
    for (std::size_t k = 0; k < count; ++k)
        task(k);
}

Sweep sweep(const DrivenOscillator& s, const FrequencyRange& range, const SweepOptions& options,
            const ChunkSink& computed) {
    Sweep result;
    result.problem = checkRange(range);
    if (result.problem == InputProblem::None) result.problem = checkOscillator(s);
    if (result.problem != InputProblem::None) return result;

    std::vector<double> batch = gridFrequencies(range);
    while (!batch.empty()) {
        computeBatch(s, batch, options, computed, result.points);
        if (cancelled(options)) {
            result.cancelled = true;
            break;
        }
        batch = options.refinePeak ? refinementFrequencies(result.points) : std::vector<double>{};
    }
    return result;
}

} // namespace trelvix
