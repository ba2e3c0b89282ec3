#pragma once

// The resonance curve over a range of driving frequencies: the steady state at points of an even
// grid, then at points added near the highest amplitude until the peak is resolved.
//
// Every point is independent of the others, so a caller can compute them in batches, in
// parallel, with progress and a cancel button, and keep whatever it has when cancelled:
//
//   std::vector<ResonancePoint> points;
//   for (auto batch = gridFrequencies(range); !batch.empty();
//        batch = refinementFrequencies(points)) {
//       <steadyState(system, nu) for every nu of the batch, on worker threads>
//       mergePoints(points, <the points finished>);
//       if (<cancelled>) break;
//   }
//
// sweep() does exactly that with a parallel map the caller supplies, a chunk of the batch at a
// time, so that a long sweep hands over its points as they come and stops soon after a cancel.

#include "model/steady_state.h"

#include <atomic>
#include <cstddef>
#include <functional>
#include <vector>

namespace trelvix {

struct FrequencyRange {
    double from = 0; // Hz
    double to = 0;   // Hz
    int points = 0;  // points of the even grid, ends included
};

// More points than any screen or table shows: beyond this a range is refused rather than left
// to exhaust the memory.
constexpr int maxSweepPoints = 1000000;

// Whether the range can be swept: positive finite ends, from < to, 2 … maxSweepPoints points.
InputProblem checkRange(const FrequencyRange& range);

// ν_i = from + i·(to − from)/(points − 1), i = 0 … points − 1; empty for a refused range.
std::vector<double> gridFrequencies(const FrequencyRange& range);

// The next batch of frequencies that resolves the peak of the curve of `points` (sorted by
// frequency), or none when the highest point is within a small share of the peak height that a
// parabola through it and its neighbours gives, with those neighbours both close to its height.
std::vector<double> refinementFrequencies(const std::vector<ResonancePoint>& points);

// Merges `batch` into `points`, keeping them sorted by frequency.
void mergePoints(std::vector<ResonancePoint>& points, std::vector<ResonancePoint> batch);

// The point of highest amplitude among those with a finite one; nullptr if there is none.
const ResonancePoint* peakPoint(const std::vector<ResonancePoint>& points);

// Runs task(0) … task(count − 1), in any order and on any threads, and returns when all have run.
using ParallelMap =
    std::function<void(std::size_t count, const std::function<void(std::size_t)>& task)>;

// Runs the tasks one after the other on the calling thread.
void serialMap(std::size_t count, const std::function<void(std::size_t)>& task);

// Points mapped at a time: enough to keep the cores busy, few enough to follow a sweep.
constexpr std::size_t sweepChunk = 1024;

struct SweepOptions {
    ParallelMap map = serialMap;
    bool refinePeak = true;                    // false: the grid points alone
    const std::atomic<bool>* cancel = nullptr; // when set, the points not yet begun are skipped
};

// Receives the points of every chunk as it is computed, sorted by frequency, on the sweep's
// thread.
using ChunkSink = std::function<void(const std::vector<ResonancePoint>&)>;

struct Sweep {
    InputProblem problem = InputProblem::None; // anything else: nothing was computed
    bool cancelled = false;
    std::vector<ResonancePoint> points; // sorted by frequency; only those computed when cancelled
};

Sweep sweep(const DrivenOscillator& s, const FrequencyRange& range,
            const SweepOptions& options = {}, const ChunkSink& computed = {});

} // namespace trelvix
