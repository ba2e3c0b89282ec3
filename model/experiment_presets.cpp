#include "model/experiment_presets.h"

#include <cmath>
#include <numbers>

namespace trelvix {

namespace {

// Close enough to ν0 for the drive and the natural motion to beat visibly within a run.
constexpr double beatDetuning = 1.05;

std::vector<std::pair<Input, double>> changesOf(Preset preset, const Characteristics& derived) {
    switch (preset) {
    case Preset::CriticalViscosity:
        return {{Input::eta, double(derived.eta_kr)}};
    case Preset::DriveAtResonance:
        return {{Input::nu, derived.nu_r}};
    case Preset::NoDrive:
        return {{Input::Xm, 0.0}};
    case Preset::Vacuum:
        return {{Input::ro, 0.0}, {Input::eta, 0.0}};
    case Preset::Beats:
        return {{Input::nu, beatDetuning * derived.omega_0 / (2 * std::numbers::pi)}};
    }
    return {};
}

} // namespace

std::vector<std::pair<Input, double>> presetValues(Preset preset, const Characteristics& derived) {
    // Without a resonance maximum ν_r keeps whatever value it last had.
    if (preset == Preset::DriveAtResonance && !hasResonance(derived)) return {};
    std::vector<std::pair<Input, double>> changes = changesOf(preset, derived);
    for (const auto& change : changes)
        if (!std::isfinite(change.second)) return {};
    return changes;
}

} // namespace trelvix
