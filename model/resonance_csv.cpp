#include "model/resonance_csv.h"

#include <charconv>

namespace trelvix {

namespace {

constexpr int significantDigits = 10;

// std::to_chars ignores the C locale, unlike printf, which writes a decimal comma once the
// program runs under a Russian one.
void appendNumber(std::string& text, double value) {
    char buffer[32];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, value,
                                       std::chars_format::general, significantDigits);
    text.append(buffer, written.ptr);
}

} // namespace

std::string resonanceCsv(const DrivenOscillator& s, const std::vector<ResonancePoint>& points) {
    std::string text = "nu_Hz,amplitude_m,phase_rad,amplitude_linear_m,phase_linear_rad,touches\n";
    for (const ResonancePoint& p : points) {
        for (double value :
             {p.nu, p.amplitude, p.phase, linearAmplitude(s, p.nu), linearPhase(s, p.nu)}) {
            appendNumber(text, value);
            text += ',';
        }
        text += p.touches ? "1\n" : "0\n";
    }
    return text;
}

} // namespace trelvix
