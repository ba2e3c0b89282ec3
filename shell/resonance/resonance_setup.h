#pragma once

// What the resonance window and the command line share: the range a curve starts with, the
// parallel map that spreads its points over the worker threads, and the messages that refuse an
// input the curve cannot be computed for.

#include "model/characteristics.h"
#include "model/resonance_sweep.h"

#include <QString>
#include <QThreadPool>

namespace trelvix {

// Points of the range a curve starts with.
constexpr int defaultResonancePoints = 200;

// Half to one and a half times the frequency of harmonic oscillations ν0 = ω0/2π: the resonance
// lies in the middle whatever the damping, and the curve shows both flanks.
FrequencyRange defaultResonanceRange(const Characteristics& derived);

// Runs the tasks on the threads of `pool`, the calling thread included.
void mapOn(QThreadPool& pool, std::size_t count, const std::function<void(std::size_t)>& task);

// mapOn() Qt's global pool: for the command line, where nothing else paints.
void concurrentMap(std::size_t count, const std::function<void(std::size_t)>& task);

// The message that refuses `problem` (not InputProblem::None).
QString resonanceProblemMessage(InputProblem problem);

} // namespace trelvix
