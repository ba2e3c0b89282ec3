#include "model/number_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>

namespace trelvix {

namespace {

// ---------------------------------------------------------------------------------------------
// Reading

bool isSkippedBlank(char ch) {
    return ch == ' ' || ch == '\t' || ch == '\n';
}
bool isDigit(char ch) {
    return ch >= '0' && ch <= '9';
}

std::string withoutBlanks(std::string_view text) {
    std::string s;
    s.reserve(text.size());
    for (char ch : text)
        if (!isSkippedBlank(ch)) s.push_back(ch);
    return s;
}

int digitValue(char ch) {
    if (isDigit(ch)) return ch - '0';
    if (ch >= 'a' && ch <= 'f') return ch - 'a' + 10;
    if (ch >= 'A' && ch <= 'F') return ch - 'A' + 10;
    return 99;
}

// "&H1F" or "&O17": a whole number in base 16 or 8.  Saturates at the largest finite double.
double readRadixNumber(std::string_view digits, int base) {
    double value = 0;
    for (char ch : digits) {
        const int v = digitValue(ch);
        if (v >= base) break;
        value = value * base + v;
    }
    return std::min(value, std::numeric_limits<double>::max());
}

// The parts of a decimal number found at the start of a text.
struct DecimalSyntax {
    bool negative = false;
    std::string integerDigits;
    std::string fractionDigits;
    long long exponent = 0; // saturated far beyond any double's range
};

// Recognises sign, digits, point, digits and exponent; returns false when no digit was found.
bool scanDecimal(std::string_view s, DecimalSyntax& out) {
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) out.negative = s[i++] == '-';
    while (i < s.size() && isDigit(s[i]))
        out.integerDigits.push_back(s[i++]);
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && isDigit(s[i]))
            out.fractionDigits.push_back(s[i++]);
    }
    if (out.integerDigits.empty() && out.fractionDigits.empty()) return false;

    if (i < s.size() && (s[i] == 'e' || s[i] == 'E' || s[i] == 'd' || s[i] == 'D')) {
        std::size_t j = i + 1;
        bool negativeExponent = false;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) negativeExponent = s[j++] == '-';
        long long e = 0;
        const long long cap = 1'000'000'000LL;
        for (; j < s.size() && isDigit(s[j]); ++j)
            e = std::min(cap, e * 10 + (s[j] - '0'));
        out.exponent = negativeExponent ? -e : e;
    }
    return true;
}

// Power of ten of the first significant digit, or nothing when every digit is zero.
bool leadingPower(const DecimalSyntax& n, long long& power) {
    const auto firstInteger = n.integerDigits.find_first_not_of('0');
    if (firstInteger != std::string::npos) {
        power = n.exponent + static_cast<long long>(n.integerDigits.size() - firstInteger) - 1;
        return true;
    }
    const auto firstFraction = n.fractionDigits.find_first_not_of('0');
    if (firstFraction == std::string::npos) return false;
    power = n.exponent - static_cast<long long>(firstFraction) - 1;
    return true;
}

double toDouble(const DecimalSyntax& n) {
    long long power = 0;
    if (!leadingPower(n, power)) return 0.0;
    const double sign = n.negative ? -1.0 : 1.0;
    if (power > 400) return sign * std::numeric_limits<double>::max();
    if (power < -400) return sign * 0.0;

    std::string text = n.integerDigits.empty() ? "0" : n.integerDigits;
    text += '.';
    text += n.fractionDigits.empty() ? "0" : n.fractionDigits;
    text += 'e';
    text += std::to_string(n.exponent);

    double value = 0;
    const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    (void)ptr;
    if (ec == std::errc::result_out_of_range)
        value = power > 0 ? std::numeric_limits<double>::max() : 0.0;
    return sign * value;
}

// ---------------------------------------------------------------------------------------------
// Writing

// A finite value as decimal digits: value = ±0.d1d2d3… · 10^(power + 1), that is d1 stands at
// the place 10^power.  No leading or trailing zeros; no digits at all means zero.
struct Decimal {
    bool negative = false;
    std::string digits;
    int power = 0;
};

// The digits of a text in the scientific form of std::to_chars: "-1.25e+02".
Decimal decimalOf(std::string_view text) {
    Decimal d;
    std::size_t i = 0;
    if (text[i] == '-') {
        d.negative = true;
        ++i;
    }
    for (; i < text.size() && text[i] != 'e'; ++i)
        if (isDigit(text[i])) d.digits.push_back(text[i]);
    int exponent = 0;
    std::from_chars(text.data() + i + 1 + (text[i + 1] == '+' ? 1 : 0), text.data() + text.size(),
                    exponent);
    d.power = exponent;
    while (!d.digits.empty() && d.digits.back() == '0')
        d.digits.pop_back();
    if (d.digits.empty()) d.negative = false;
    return d;
}

Decimal shortestDecimal(double x) {
    std::array<char, 64> buffer{};
    const auto [end, ec] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), x,
                                         std::chars_format::scientific);
    (void)ec;
    return decimalOf({buffer.data(), static_cast<std::size_t>(end - buffer.data())});
}

// Every float is exactly a double, and its exact decimal value has at most 112 significant
// digits (the smallest subnormal, 2^-149, has 105); 120 therefore gives the value itself.
Decimal exactDecimal(float x) {
    std::array<char, 160> buffer{};
    const auto [end, ec] =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), static_cast<double>(x),
                      std::chars_format::scientific, 120);
    (void)ec;
    return decimalOf({buffer.data(), static_cast<std::size_t>(end - buffer.data())});
}

// Keeps `count` significant digits, rounding half away from zero (count may be 0 or below).
Decimal roundSignificant(Decimal d, int count) {
    if (d.digits.empty() || count >= static_cast<int>(d.digits.size())) return d;
    if (count < 0) {
        d.digits.clear();
    } else {
        const bool up = d.digits[static_cast<std::size_t>(count)] >= '5';
        d.digits.resize(static_cast<std::size_t>(count));
        if (up) {
            int i = count - 1;
            while (i >= 0 && d.digits[static_cast<std::size_t>(i)] == '9')
                d.digits[static_cast<std::size_t>(i--)] = '0';
            if (i < 0) {
                d.digits.insert(d.digits.begin(), '1');
                ++d.power;
            } else {
                ++d.digits[static_cast<std::size_t>(i)];
            }
        }
        while (!d.digits.empty() && d.digits.back() == '0')
            d.digits.pop_back();
    }
    if (d.digits.empty()) d.negative = false;
    return d;
}

Decimal roundToDecimals(const Decimal& d, int decimals) {
    return roundSignificant(d, d.power + 1 + decimals);
}

// The digit of d at the place 10^place.
char digitAt(const Decimal& d, int place) {
    const int index = d.power - place;
    if (index < 0 || index >= static_cast<int>(d.digits.size())) return '0';
    return d.digits[static_cast<std::size_t>(index)];
}

std::string integerPart(const Decimal& d) {
    std::string s;
    for (int place = std::max(d.power, 0); place >= 0; --place)
        s.push_back(digitAt(d, place));
    return s;
}

std::string fixedText(const Decimal& value, int decimals, std::string_view separator) {
    const Decimal d = roundToDecimals(value, decimals);
    std::string s = d.negative ? "-" : "";
    s += integerPart(d);
    if (decimals > 0) {
        s += separator;
        for (int place = -1; place >= -decimals; --place)
            s.push_back(digitAt(d, place));
    }
    return s;
}

std::string exponentDigits(int power, int minimumDigits, bool alwaysSign) {
    std::string s = power < 0 ? "-" : (alwaysSign ? "+" : "");
    const std::string digits = std::to_string(std::abs(power));
    s.append(static_cast<std::size_t>(std::max(0, minimumDigits - static_cast<int>(digits.size()))),
             '0');
    return s + digits;
}

std::string scientificText(const Decimal& value, int decimals, char letter, int exponentWidth,
                           bool alwaysSign, std::string_view separator) {
    const Decimal d = roundSignificant(value, decimals + 1);
    const int power = d.digits.empty() ? 0 : d.power;
    std::string s = d.negative ? "-" : "";
    s.push_back(digitAt(d, power));
    if (decimals > 0) {
        s += separator;
        for (int place = power - 1; place >= power - decimals; --place)
            s.push_back(digitAt(d, place));
    }
    s.push_back(letter);
    return s + exponentDigits(power, exponentWidth, alwaysSign);
}

std::string nonFiniteText(double x) {
    if (std::isnan(x)) return "?";
    return x < 0 ? "-oo" : "oo";
}

// A display pattern taken apart: "0.000E+00" has 3 decimals and an exponent with sign and two
// digits; " 0" has the literal prefix " " and no decimals.
struct Pattern {
    std::string prefix;
    int decimals = 0;
    char exponentLetter = 0;
    bool exponentAlwaysSigned = false;
    int exponentWidth = 0;
};

Pattern parsePattern(std::string_view p) {
    Pattern pattern;
    std::size_t i = 0;
    while (i < p.size() && p[i] != '0' && p[i] != '#')
        pattern.prefix.push_back(p[i++]);
    while (i < p.size() && (p[i] == '#' || p[i] == '0'))
        ++i;
    if (i < p.size() && p[i] == '.') {
        ++i;
        while (i < p.size() && p[i] == '0') {
            ++pattern.decimals;
            ++i;
        }
    }
    if (i < p.size() && (p[i] == 'e' || p[i] == 'E')) {
        pattern.exponentLetter = p[i++];
        pattern.exponentAlwaysSigned = i < p.size() && p[i] == '+';
        if (i < p.size() && (p[i] == '+' || p[i] == '-')) ++i;
        pattern.exponentWidth = static_cast<int>(p.size() - i);
    }
    return pattern;
}

std::string positionalGeneral(const Decimal& d) {
    std::string s;
    if (d.power >= 0) {
        s = integerPart(d);
        if (static_cast<int>(d.digits.size()) > d.power + 1)
            s += "." + d.digits.substr(static_cast<std::size_t>(d.power + 1));
    } else {
        s = "." + std::string(static_cast<std::size_t>(-d.power - 1), '0') + d.digits;
    }
    return s;
}

std::string exponentGeneral(const Decimal& d) {
    std::string s(1, d.digits[0]);
    if (d.digits.size() > 1) s += "." + d.digits.substr(1);
    return s + "E" + exponentDigits(d.power, 2, true);
}

std::string generalText(const Decimal& value, int significantDigits) {
    const Decimal d = roundSignificant(value, significantDigits);
    if (d.digits.empty()) return " 0";
    const bool positional = d.power > -5 && d.power < significantDigits;
    return (d.negative ? "-" : " ") + (positional ? positionalGeneral(d) : exponentGeneral(d));
}

} // namespace

double readNumber(std::string_view text) {
    const std::string s = withoutBlanks(text);
    if (s.size() >= 2 && s[0] == '&') {
        if (s[1] == 'H' || s[1] == 'h') return readRadixNumber(std::string_view(s).substr(2), 16);
        if (s[1] == 'O' || s[1] == 'o') return readRadixNumber(std::string_view(s).substr(2), 8);
        return 0.0;
    }
    DecimalSyntax number;
    if (!scanDecimal(s, number)) return 0.0;
    return toDouble(number);
}

bool startsWithNumber(std::string_view text) {
    const std::string s = withoutBlanks(text);
    if (s.size() >= 3 && s[0] == '&') {
        const int base = (s[1] == 'H' || s[1] == 'h') ? 16 : (s[1] == 'O' || s[1] == 'o') ? 8 : 0;
        return digitValue(s[2]) < base;
    }
    DecimalSyntax number;
    return scanDecimal(s, number);
}

std::string withDecimalPoint(std::string_view text) {
    std::string s(text);
    for (std::size_t i = 1; i + 1 < s.size(); ++i)
        if (s[i] == ',' && isDigit(s[i - 1]) && isDigit(s[i + 1])) s[i] = '.';
    return s;
}

std::string formatNumber(double x, std::string_view pattern, std::string_view decimalSeparator) {
    if (!std::isfinite(x)) return nonFiniteText(x);
    const Pattern p = parsePattern(pattern);
    const Decimal d = shortestDecimal(x);
    if (p.exponentLetter != 0)
        return p.prefix + scientificText(d, p.decimals, p.exponentLetter, p.exponentWidth,
                                         p.exponentAlwaysSigned, decimalSeparator);
    const std::string digits = fixedText(d, p.decimals, decimalSeparator);
    if (digits.front() == '-') return "-" + p.prefix + digits.substr(1);
    return p.prefix + digits;
}

std::string generalNumber(double x, int significantDigits) {
    if (!std::isfinite(x)) return nonFiniteText(x);
    return generalText(shortestDecimal(x), significantDigits);
}

std::string generalNumber(float x) {
    if (!std::isfinite(x)) return nonFiniteText(x);
    return generalText(exactDecimal(x), 7);
}

} // namespace trelvix
