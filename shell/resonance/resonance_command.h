#pragma once

// trelvix --resonance [--from HZ] [--to HZ] [--points N] [FILE]: the resonance curve on the even
// grid of the range (no points added near the peak), as comma-separated text.

#include "model/inputs.h"
#include "shell/command_line/command_line.h"

#include <ostream>

namespace trelvix {

// Prints the curve of `in` over the range of `line` (defaults: defaultResonanceRange) and
// returns the exit status: 0 printed, 1 inputs the curve cannot be computed for, 2 a range that
// cannot be swept.  Refusals go to `err` as one line, with nothing on `out`.
int printResonanceCurve(const Inputs& in, const CommandLine& line, std::ostream& out,
                        std::ostream& err);

} // namespace trelvix
