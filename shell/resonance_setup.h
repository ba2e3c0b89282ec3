#pragma once

// What the resonance window and the command line share: the range a curve starts with, the
// parallel map that spreads its points over the worker threads, and the messages that refuse an
// input the curve cannot be computed for.

#include "model/characteristics.h"
#include "model/resonance_sweep.h"

#include <QString>

namespace trelvix {

// Points of the range a curve starts with.
constexpr int defaultResonancePoints = 200;

// Half to one and a half times the frequency of harmonic oscillations ν0 = ω0/2π: the resonance
// lies in the middle whatever the damping, and the curve shows both flanks.
FrequencyRange defaultResonanceRange(const Characteristics& derived);

// Runs the tasks on the threads of Qt's global pool, the calling thread included.
void concurrentMap(std::size_t count, const std::function<void(std::size_t)>& task);

// The message that refuses `problem` (not InputProblem::None).
QString resonanceProblemMessage(InputProblem problem);

} // namespace trelvix
