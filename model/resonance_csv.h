#pragma once

// The resonance curve as comma-separated text, for the command line and the export:
//
//   nu_Hz,amplitude_m,phase_rad,amplitude_linear_m,phase_linear_rad,touches
//   3.5,0.02177285013,0.1202551362,0.02195213417,0.0003236218749,0
//
// one line per point, numbers with ten significant digits and a decimal point whatever the
// locale, touches 0 or 1.  A point whose motion left the number range shows "nan".

#include "model/steady_state.h"

#include <string>
#include <vector>

namespace trelvix {

// The linear columns are computed from `s` at the frequency of each point.
std::string resonanceCsv(const DrivenOscillator& s, const std::vector<ResonancePoint>& points);

} // namespace trelvix
