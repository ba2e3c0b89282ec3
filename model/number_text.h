#pragma once

// Numbers as the student types them and as the window shows them.
//
// Everything here is locale-free on purpose: once the program has called setlocale() with a
// Russian locale, strtod() and printf() read and write decimal commas, while the parameter
// fields must always use a point.  The decimal separator of the result labels and plots is
// therefore passed in explicitly.

#include <string>
#include <string_view>

namespace trelvix {

// Reads the leading number of a text the way the parameter fields do.
//  - blanks, tabs and line feeds are skipped wherever they stand ("1 2" reads 12);
//  - an optional sign, digits, an optional "." with digits, an optional exponent introduced by
//    E or D in either case; whatever follows is ignored ("1,5" reads 1, "1e-3" reads 0.001);
//  - "&H" and "&O" introduce a hexadecimal or octal whole number ("&H1F" reads 31);
//  - a text without a leading number reads 0 ("", "-", "abc", ",5");
//  - a number beyond the range of double reads as the largest finite double with its sign, and
//    one too small to represent reads as 0, so the result is always finite.
double readNumber(std::string_view text);

// Whether readNumber() finds a number at the start of `text` rather than reading 0 for the lack
// of one ("abc", "", "-", ",5" have none; "0", "&H1F", "12kg" have one).
bool startsWithNumber(std::string_view text);

// `text` with every comma that stands between two digits made a decimal point ("4,5" gives
// "4.5"); other commas stay ("1, 5", ",5").  Experiment files, command-line options and the
// resonance range fields accept the decimal comma this way; the parameter fields do not.
std::string withDecimalPoint(std::string_view text);

// Writes x with one of the fixed display patterns:
//   "0.000", "0.0000", "0.00000", "0.000000", "#0.000", "#0.0000"   fixed decimals;
//   "0.000e+00", "0.0000e+00", "0.00000e+00", "0.000E+00", "0.0000E+00"   exponent form;
//   " 0"   a blank followed by the whole number.
// The value is first taken as its shortest exact decimal text and then rounded half away from
// zero to the last place of the pattern, carrying across powers of ten (9.9996 with "0.000E+00"
// gives 1.000E+01).  A value that rounds to zero never shows a minus sign.  Infinities come out
// as "oo" or "-oo" and NaN as "?"; callers that show captions replace them beforehand.
std::string formatNumber(double x, std::string_view pattern,
                         std::string_view decimalSeparator = ".");

// The general number form: a blank for zero and positive values, a minus sign otherwise, then
// the value rounded to `significantDigits` digits without trailing zeros and without a zero
// before the point (" 1000", " .5", "-2.5").  Magnitudes from 1e-4 up to (but excluding)
// 10^significantDigits are written positionally; smaller or larger ones switch to the exponent
// form " 1E-05", " 1.5E+20".  Doubles use 15 significant digits.
std::string generalNumber(double x, int significantDigits = 15);

// The general number form of a single-precision value: its exact value rounded once to 7
// significant digits (so 0.1f shows " .1", not " .100000001", and 7.6444344f, which is
// 7.64443445205…, shows " 7.644434": rounding its shortest text 7.6444345 again would give
// 7.644435).
std::string generalNumber(float x);

} // namespace trelvix
