#pragma once

// The texts of the fifteen result labels of the main window.
//
// A caption that opens with blanks leaves room for the Greek letter that a small overlay label
// draws there (ρ, δ, ω, ν, η, Θ).  A value that has no finite value for the current inputs shows
// a limit text ("Ts -> oo") rather than a number.

#include "model/characteristics.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace trelvix {

// The fifteen characteristics shown in the result rows, from top to bottom.
enum class Result {
    ballDensity,
    mediumMass,
    equilibrium,
    quadraticDistance,
    damping,
    harmonicFrequency,
    naturalFrequency,
    drivingFrequency,
    harmonicPeriod,
    naturalPeriod,
    drivingPeriod,
    logDecrement,
    qualityFactor,
    resonanceFrequency,
    criticalViscosity,
};
inline constexpr std::size_t resultCount = 15;

struct Captions {
    std::string ballDensity;
    std::string mediumMass;
    std::string equilibrium; // always with a decimal point
    std::string quadraticDistance;
    std::string damping;
    std::string harmonicFrequency;
    std::string naturalFrequency;
    std::string drivingFrequency;
    std::string harmonicPeriod;
    std::string naturalPeriod;
    std::string drivingPeriod;
    std::string logDecrement;
    std::string qualityFactor;
    std::string resonanceFrequency;
    std::string criticalViscosity;
};

// Numbers use `decimalSeparator` (the desktop's), except the equilibrium coordinate, which
// always shows a point.
// The text of one result row.
const std::string& captionOf(const Captions& captions, Result result);

// The Greek letter (UTF-8) that the window draws over the leading blanks of a result's caption
// or of a parameter's caption, or an empty text for a caption without one.
std::string_view greekLetterOf(Result result);
std::string_view greekLetterOf(Input input);

// A result's caption as one line of text, its Greek letter in front of what follows the blanks:
// "   o = 2.503E+01" with ω gives "ωo = 2.503E+01", "   =7.8E+03" with ρ gives "ρ =7.8E+03".
std::string captionLine(const Captions& captions, Result result);

Captions captionsOf(const Inputs& in, const Characteristics& ch, std::string_view decimalSeparator);

} // namespace trelvix
