#pragma once

// Ready-made experiments derived from the current one: each changes one or two inputs to a value
// computed from the characteristics of the current inputs, so that the student sees the named
// regime with everything else unchanged.

#include "model/characteristics.h"
#include "model/inputs.h"

#include <utility>
#include <vector>

namespace trelvix {

enum class Preset {
    CriticalViscosity, // eta = η_kr: the aperiodic limit
    DriveAtResonance,  // nu = ν_r
    NoDrive,           // Xm = 0: natural oscillations
    Vacuum,            // ro = 0, eta = 0: no medium at all
    Beats,             // nu 5 % above the natural frequency ν0 = ω0 / 2π
};

inline constexpr Preset allPresets[] = {Preset::CriticalViscosity, Preset::DriveAtResonance,
                                        Preset::NoDrive, Preset::Vacuum, Preset::Beats};

// The inputs the preset changes and their new values; empty when the current inputs have no such
// regime (no resonance maximum under strong damping, or a value without a finite result).
std::vector<std::pair<Input, double>> presetValues(Preset preset, const Characteristics& derived);

} // namespace trelvix
