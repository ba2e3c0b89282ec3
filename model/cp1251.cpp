#include "model/cp1251.h"

#include <array>
#include <cstdint>
#include <optional>

namespace trelvix {

namespace {

// Unicode code points of the bytes 0x80 … 0xBF (0x98 is unassigned).  From 0xC0 on the code page
// holds А … я in alphabetical order.
constexpr std::array<char32_t, 64> upperPunctuationAndLetters = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, 0x20AC, 0x2030, 0x0409,
    0x2039, 0x040A, 0x040C, 0x040B, 0x040F, 0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x0000, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, 0x00A0,
    0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7, 0x0401, 0x00A9, 0x0404, 0x00AB,
    0x00AC, 0x00AD, 0x00AE, 0x0407, 0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6,
    0x00B7, 0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,
};

constexpr char unknown = '?';
constexpr char32_t malformed = 0xFFFFFFFF;

char byteFor(char32_t cp) {
    if (cp < 0x80) return static_cast<char>(cp);
    if (cp >= 0x0410 && cp <= 0x044F) return static_cast<char>(0xC0 + (cp - 0x0410));
    for (std::size_t i = 0; i < upperPunctuationAndLetters.size(); ++i)
        if (upperPunctuationAndLetters[i] == cp) return static_cast<char>(0x80 + i);
    return unknown;
}

struct Decoded {
    char32_t codePoint;
    std::size_t length;
};

constexpr Decoded malformedByte{malformed, 1};

// Length, payload bits of the lead byte and the smallest code point a sequence of that length may
// carry (anything below is an overlong, forbidden form).
struct Lead {
    std::size_t length;
    char32_t bits;
    char32_t smallest;
};

std::optional<Lead> leadOf(std::uint8_t b) {
    if (b < 0x80) return Lead{1, b, 0};
    if (b >= 0xC2 && b < 0xE0) return Lead{2, char32_t(b & 0x1F), 0x80};
    if (b >= 0xE0 && b < 0xF0) return Lead{3, char32_t(b & 0x0F), 0x800};
    if (b >= 0xF0 && b < 0xF5) return Lead{4, char32_t(b & 0x07), 0x10000};
    return std::nullopt;
}

// Decodes the UTF-8 sequence at the start of `s`.
Decoded decodeFirst(std::string_view s) {
    const std::optional<Lead> lead = leadOf(static_cast<std::uint8_t>(s[0]));
    if (!lead || lead->length > s.size()) return malformedByte;
    char32_t cp = lead->bits;
    for (std::size_t i = 1; i < lead->length; ++i) {
        const auto next = static_cast<std::uint8_t>(s[i]);
        if ((next & 0xC0) != 0x80) return malformedByte;
        cp = (cp << 6) | (next & 0x3F);
    }
    const bool surrogate = cp >= 0xD800 && cp <= 0xDFFF;
    if (cp < lead->smallest || surrogate || cp > 0x10FFFF) return malformedByte;
    return {cp, lead->length};
}

} // namespace

std::string toCp1251(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t pos = 0; pos < utf8.size();) {
        const Decoded d = decodeFirst(utf8.substr(pos));
        out += d.codePoint == malformed ? unknown : byteFor(d.codePoint);
        pos += d.length;
    }
    return out;
}

} // namespace trelvix
