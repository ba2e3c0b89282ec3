#include "model/captions.h"

#include "model/number_text.h"
#include "model/translated_text.h"

#include <algorithm>
#include <cmath>

namespace trelvix {

namespace {

// "Ts = " → "Ts ", "   =" → "   ": what stands before the equals sign.
std::string nameOf(std::string_view prefix) {
    std::string name(prefix);
    while (!name.empty() && name.back() == ' ')
        name.pop_back();
    if (!name.empty() && name.back() == '=') name.pop_back();
    return name;
}

// The text of a row whose value is infinite or undefined, in the manner of the limit texts:
// "Ts -> oo", "Xg -> -oo"; a value without any meaning says so.  A name that is only the blanks
// a Greek letter is drawn over keeps a blank after the letter: "Θ не определено".
std::string limitText(std::string_view prefix, double value) {
    if (std::isnan(value)) {
        const std::string name = nameOf(prefix);
        const bool letterOnly = name.find_first_not_of(' ') == std::string::npos;
        return name + (letterOnly ? " " : "") +
               translatedText("trelvix::Captions", "не определено");
    }
    return nameOf(prefix) + (value > 0 ? "-> oo" : "-> -oo");
}

// The units after the numbers, in the current language, and the decimal separator.
struct Form {
    std::string_view separator;
    std::string kgPerM3 = translatedText("trelvix::Captions", " кг/куб.м");
    std::string kg = translatedText("trelvix::Captions", " кг");
    std::string m = translatedText("trelvix::Captions", " м");
    // The seconds are a Latin c, as in the rest of the window.
    std::string radPerS = translatedText("trelvix::Captions", " рад/c");
    std::string s = translatedText("trelvix::Captions", " c");
    std::string Hz = translatedText("trelvix::Captions", " Гц");
    std::string PaS = translatedText("trelvix::Captions", " Па·с");
    std::string none = " ";
};

struct Row {
    std::string_view prefix;
    std::string_view pattern;
    std::string Form::*unit;
};

std::string rowText(const Row& row, double value, const Form& form) {
    if (!std::isfinite(value)) return limitText(row.prefix, value);
    return std::string(row.prefix) + formatNumber(value, row.pattern, form.separator) +
           form.*row.unit;
}

constexpr Row densityOfBall{"   =", "0.000E+00", &Form::kgPerM3};
constexpr Row massOfMedium{"mo = ", "0.000E+00", &Form::kg};
constexpr Row equilibrium{"Xg = ", "0.00000e+00", &Form::m};
constexpr Row quadraticDistance{"r2 = ", "0.000E+00", &Form::m};
constexpr Row damping{"   = ", "0.000E+00", &Form::radPerS};
constexpr Row harmonicFrequency{"   o = ", "0.000E+00", &Form::radPerS};
constexpr Row naturalFrequency{"   s = ", "0.000E+00", &Form::radPerS};
constexpr Row drivingFrequency{"   v = ", "0.000E+00", &Form::radPerS};
constexpr Row harmonicPeriod{"To = ", "0.000E+00", &Form::s};
constexpr Row naturalPeriod{"Ts = ", "0.000E+00", &Form::s};
constexpr Row drivingPeriod{"Tv = ", "0.000E+00", &Form::s};
constexpr Row decrement{"    = ", "0.000E+00", &Form::none};
constexpr Row qualityFactor{"Q = ", "0.000E+00", &Form::none};
constexpr Row resonance{"   r = ", "0.0000E+00", &Form::Hz};

// The subscript of the critical viscosity is the language's own ("кр" written "_kr").
std::string criticalViscosityText(double value, const Form& form) {
    const std::string prefix = translatedText("trelvix::Captions", "   _kr = ");
    return rowText({prefix, "0.000E+00", &Form::PaS}, value, form);
}

// The rows whose value may have no meaning for the inputs, with their limit texts.
void conditionalCaptions(const Inputs& in, const Characteristics& ch, const Form& sep,
                         Captions& c) {
    c.quadraticDistance =
        hasQuadraticForce(in) ? rowText(quadraticDistance, ch.r2, sep) : "r2 -> oo";
    c.naturalPeriod = oscillates(ch) ? rowText(naturalPeriod, ch.T_s, sep) : "Ts -> oo";
    // A negative frequency drives exactly like its magnitude (the cosine is even), so the period
    // shown is a magnitude.
    c.drivingPeriod = isDriven(ch) ? rowText(drivingPeriod, std::fabs(ch.T_v), sep) : "Tv -> oo";
    c.logDecrement = oscillates(ch) ? rowText(decrement, ch.logDecrement, sep) : "    -> oo";
    if (in.eta == 0)
        c.qualityFactor = "Q -> oo";
    else if (ch.omega_0 < ch.delta)
        c.qualityFactor = "Q -> 0";
    else
        c.qualityFactor = rowText(qualityFactor, ch.qualityFactor, sep);
    c.resonanceFrequency = hasResonance(ch) ? rowText(resonance, ch.nu_r, sep) : "  r -> 0";
}

} // namespace

Captions captionsOf(const Inputs& in, const Characteristics& ch, std::string_view separator) {
    const Form sep{separator};
    Form point = sep; // the equilibrium always with a decimal point
    point.separator = ".";
    Captions c;
    c.ballDensity = rowText(densityOfBall, ch.ro_ball, sep);
    c.mediumMass = rowText(massOfMedium, ch.mo, sep);
    c.equilibrium = rowText(equilibrium, ch.Xg, point);
    c.damping = rowText(damping, ch.delta, sep);
    c.harmonicFrequency = rowText(harmonicFrequency, ch.omega_0, sep);
    c.naturalFrequency = rowText(naturalFrequency, ch.omega_s, sep);
    c.drivingFrequency = rowText(drivingFrequency, ch.omega_v, sep);
    c.harmonicPeriod = rowText(harmonicPeriod, ch.T_0, sep);
    c.criticalViscosity = criticalViscosityText(ch.eta_kr, sep);
    conditionalCaptions(in, ch, sep, c);
    return c;
}

const std::string& captionOf(const Captions& c, Result result) {
    static constexpr std::string Captions::*rows[resultCount] = {
        &Captions::ballDensity,       &Captions::mediumMass,
        &Captions::equilibrium,       &Captions::quadraticDistance,
        &Captions::damping,           &Captions::harmonicFrequency,
        &Captions::naturalFrequency,  &Captions::drivingFrequency,
        &Captions::harmonicPeriod,    &Captions::naturalPeriod,
        &Captions::drivingPeriod,     &Captions::logDecrement,
        &Captions::qualityFactor,     &Captions::resonanceFrequency,
        &Captions::criticalViscosity,
    };
    return c.*rows[static_cast<std::size_t>(result)];
}

std::string_view greekLetterOf(Result result) {
    switch (result) {
    case Result::ballDensity:
        return "ρ";
    case Result::damping:
        return "δ";
    case Result::harmonicFrequency:
    case Result::naturalFrequency:
    case Result::drivingFrequency:
        return "ω";
    case Result::logDecrement:
        return "Θ";
    case Result::resonanceFrequency:
        return "ν";
    case Result::criticalViscosity:
        return "η";
    default:
        return {};
    }
}

std::string_view greekLetterOf(Input input) {
    switch (input) {
    case Input::ro:
        return "ρ";
    case Input::eta:
        return "η";
    case Input::nu:
        return "ν";
    default:
        return {};
    }
}

std::string captionLine(const Captions& captions, Result result) {
    const std::string& caption = captionOf(captions, result);
    const std::string_view letter = greekLetterOf(result);
    if (letter.empty()) return caption;
    const std::string rest =
        caption.substr(std::min(caption.find_first_not_of(' '), caption.size()));
    // The letter joins a Latin subscript ("ωo", "νr", "η_kr"); anything else ("δ =", "Θ не
    // определено") keeps a blank after it.
    const auto first = rest.empty() ? '\0' : rest.front();
    const bool joins =
        first == '_' || (first >= 'a' && first <= 'z') || (first >= 'A' && first <= 'Z');
    return std::string(letter) + (joins ? "" : " ") + rest;
}

} // namespace trelvix
