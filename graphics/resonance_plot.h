#pragma once

// The two plots of the resonance window: the amplitude A(ν) and the phase lag φ(ν) of the steady
// state over the range of a sweep, each with the curve of the linear theory dashed beside it,
// a vertical mark at the driving frequency of the experiment and at the resonance frequency ν_r,
// and the frequencies at which the ball would reach the suspension point shaded.  The computed
// curve sets the height of the amplitude plot, up to the amplitude at which the ball first
// reaches the suspension point: where the linear theory runs far above it (weak viscous damping,
// strong quadratic drag), its dashed curve leaves the panel at the top, as does the computed
// curve of a motion the set-up cannot have.

#include "graphics/surface.h"
#include "model/resonance_sweep.h"

#include <limits>
#include <optional>
#include <string_view>
#include <vector>

namespace trelvix::graphics {

struct ResonanceCurve {
    std::vector<ResonancePoint> points; // sorted by frequency
    DrivenOscillator oscillator;        // the linear theory is drawn from it at every pixel
    double from = 0;                    // the range shown, Hz
    double to = 0;
    double nu = std::numeric_limits<double>::quiet_NaN();   // driving frequency, Hz
    double nu_r = std::numeric_limits<double>::quiet_NaN(); // NaN where there is no resonance
};

enum class ResonanceQuantity { Amplitude, Phase };

// Sets the frame of `panel` (the range across; the value up, with margins for the labels) and
// draws the plot of `quantity` on it.  Without points the grid, the marks and the linear theory
// are drawn all the same.
void drawResonancePlot(const ResonanceCurve& curve, ResonanceQuantity quantity, Surface& panel,
                       std::string_view decimalSeparator);

// The computed curve at `nu`, interpolated linearly between its neighbouring points, with the
// touching of the nearer point; none outside the points.  The linear theory at `nu` comes from
// the curve's oscillator.
std::optional<ResonancePoint> curveAt(const ResonanceCurve& curve, double nu);

} // namespace trelvix::graphics
