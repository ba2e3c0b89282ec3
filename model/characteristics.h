#pragma once

// The characteristics of the motion that follow from the twelve inputs, with the texts of the
// fifteen result labels of the main window.

#include "model/experiment.h"

#include <string>
#include <string_view>

namespace trelvix {

// Texts of the result labels, named after the labels that show them.  A label that opens with
// blanks leaves room for the Greek letter that a small overlay label draws there (ρ, δ, ω, ν, η,
// Θ).  A value that has no finite value for the current inputs shows a limit text ("Ts -> oo")
// rather than a number.
struct Captions {
    std::string Label12; // density of the ball material
    std::string Label13; // mass of the medium in the ball volume
    std::string Label14; // equilibrium coordinate (always with a decimal point)
    std::string Label15; // characteristic distance of the quadratic force
    std::string Label16; // damping coefficient
    std::string Label17; // cyclic frequency of harmonic oscillations
    std::string Label22; // cyclic frequency of natural oscillations
    std::string Label23; // cyclic frequency of the driving force
    std::string Label24; // period of harmonic oscillations
    std::string Label25; // period of natural oscillations
    std::string Label26; // period of the driving force
    std::string Label27; // logarithmic decrement
    std::string Label28; // quality factor
    std::string Label29; // resonance frequency at c = 0
    std::string Label30; // critical viscosity at c = 0
};

// Computes every derived characteristic of `e` from its inputs, the integration step `shag` and
// the plot estimates `X_max` and `Vx_max`, and returns the label texts.  Numbers in the texts
// use `decimalSeparator` (the system locale's), except Label14, which always shows a point.
// A characteristic whose formula has no meaning for the inputs (an infinite period, no
// resonance) keeps its previous value and its label shows the limit text.
Captions parametr(Experiment& e, std::string_view decimalSeparator);

// Whether a run can be computed with the derived values of `e`: every value the integration and
// the plots use is finite, and the step is positive and large enough that the model time still
// advances by it at the computation time T.  Extreme inputs that the fields accept (huge
// masses, a viscosity of huge negative value, …) can break this; the window then refuses to
// start a run instead of integrating infinities.
bool canRun(const Experiment& e);

} // namespace trelvix
