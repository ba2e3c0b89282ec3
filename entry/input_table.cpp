#include "entry/input_table.h"

#include "model/number_text.h"

#include <cfloat>
#include <cmath>
#include <limits>

namespace trelvix {

namespace {

using enum TextColour;

const char* const x0Pattern = "0.00000";

// The ball must start below the crank pin: its centre at least the crank radius plus its own
// radius below the wheel centre.  A sum beyond the double range stays the largest double, so
// the reset never stores an infinity.
double lowestX0(const Inputs& in) {
    const double sum = in.Xm + in.d / 2;
    return std::isfinite(sum) ? sum : std::numeric_limits<double>::max();
}

// Xm and d/2 are decimals the student typed; their binary sum may lie a few units in the last
// place above the decimal sum, which must still be accepted when typed exactly.
double x0Tolerance(const Inputs& in) {
    return 4 * DBL_EPSILON * std::fabs(in.Xm) + 4 * DBL_EPSILON * std::fabs(in.d / 2);
}

// X is measured downwards: a start coordinate below the limit puts the ball too high.
bool x0TooHigh(const Inputs& in) {
    return in.X0 < lowestX0(in) - x0Tolerance(in);
}

// The lowest admissible X0 as the field will show it, five decimals.  The decimal text of the
// sum can read back a little below the sum; then the next five-decimal value is taken, so that
// the pass over the written text accepts it and the student sees one message per refusal.
double x0Reset(const Inputs& in) {
    const double limit = lowestX0(in) - x0Tolerance(in);
    const double shown = readNumber(formatNumber(lowestX0(in), x0Pattern));
    if (shown >= limit) return shown;
    return readNumber(formatNumber(shown + 1e-5, x0Pattern));
}

const QString notPositiveMessage =
    QStringLiteral("Не может быть отрицательным или 0! Не вводите заново, а исправьте!");

} // namespace

const std::vector<InputRow>& inputTable() {
    static const std::vector<InputRow> rows{
        {Input::m,
         "m",
         "Label1",
         "m (кг) =",
         ButtonText,
         "Text1",
         "масса шара",
         "масса шара, кг",
         6,
         nullptr,
         "0.000000",
         Refusal{
             [](const Inputs& in) { return in.m <= 0; },
             QStringLiteral("не может быть отрицательной или 0! Не вводите заново, а исправьте!"),
             [](const Inputs&) { return 0.06385; }},
         {},
         {}},
        {Input::d,
         "d",
         "Label4",
         "d (м) =",
         ButtonText,
         "Text4",
         "диаметр шара",
         "диаметр шара, м",
         8,
         nullptr,
         "0.000",
         Refusal{[](const Inputs& in) { return in.d <= 0; }, notPositiveMessage,
                 [](const Inputs&) { return 0.025; }},
         {},
         {}},
        {Input::c,
         "c",
         "Label7",
         "с = ",
         ButtonText,
         "Text7",
         "коэффициент лобового сопротивления для шара",
         "коэффициент лобового сопротивления шара",
         25,
         nullptr,
         "0.000",
         Refusal{[](const Inputs& in) { return in.c < 0; },
                 QStringLiteral("Не может быть отрицательным! Не вводите заново, а исправьте!"),
                 [](const Inputs&) { return 0.5; }},
         {},
         {{{"Label15"}, [](const Inputs& in) { return in.c == 0; }}}},
        {Input::k,
         "k",
         "Label8",
         "k (Н/м) =",
         ButtonText,
         "Text8",
         "коэффициент жёсткости пружины",
         "жёсткость пружины, Н/м",
         27,
         nullptr,
         "0.000",
         Refusal{[](const Inputs& in) { return in.k <= 0; }, notPositiveMessage,
                 [](const Inputs&) { return 40.0; }},
         {},
         {}},
        {Input::L0,
         "L0",
         "Label2",
         "Lo (м) =",
         Black,
         "Text2",
         "длина нерастянутой пружины",
         "длина нерастянутой пружины, м",
         5,
         nullptr,
         "0.000",
         {},
         {},
         {}},
        {Input::ro,
         "ro",
         "Label3",
         "  o (кг/м3) =",
         WindowText,
         "Text3",
         "плотность среды",
         "плотность среды, кг/м3",
         22,
         "ro(кг/м3)=",
         nullptr,
         {},
         Warning{[](const Inputs& in) { return in.ro <= 0; },
                 QStringLiteral("Это вакуум! Тогда и вязкость среды должна быть=0! Но можно "
                                "экспериментировать и так!"),
                 WarningKind::Vacuum},
         // Without a medium there is no displaced mass and no quadratic drag.
         {{{"Label13"}, [](const Inputs& in) { return in.ro <= 0; }},
          {{"Label15"}, [](const Inputs& in) { return in.ro <= 0 || in.c == 0; }}}},
        {Input::eta,
         "eta",
         "Label5",
         "    (Па·с) = ",
         ButtonText,
         "Text5",
         "коэффициент динамической вязкости среды",
         "динамическая вязкость среды, Па·с",
         9,
         "h(Па·с)=",
         "0.000e+00",
         {},
         Warning{[](const Inputs& in) { return in.eta == 0; },
                 QStringLiteral("Это вакуум! Тогда и плотность среды должна быть=0! Но можно "
                                "экспериментировать и так!"),
                 WarningKind::NoViscosity},
         // Without viscosity the damping, the decrement and the quality factor mean nothing.
         {{{"Label16", "Label16_2", "Label27", "Label27_2", "Label28"},
           [](const Inputs& in) { return in.eta == 0; }}}},
        {Input::Xm,
         "Xm",
         "Label6",
         "Хm (м) =",
         ButtonText,
         "Text6",
         "амплитуда вынуждающей силы",
         "амплитуда колебаний точки подвеса, м",
         12,
         nullptr,
         "0.0000",
         {},
         {},
         // A wheel that does not move the suspension point has no driving frequency.
         {{{"Label9", "Label9_2", "Text9", "Label23", "Label23_2", "Label26"},
           [](const Inputs& in) { return in.Xm == 0; }}}},
        {Input::nu,
         "nu",
         "Label9",
         "   (Гц) =",
         ButtonText,
         "Text9",
         "частота вынуждающей силы",
         "частота вынуждающей силы, Гц",
         29,
         "nu(Гц)=",
         "0.0000",
         {},
         {},
         {}},
        {Input::X0,
         "X0",
         "Label18",
         "Хo (м) =",
         ButtonText,
         "Text18",
         "начальная координата центра шара",
         "начальная координата центра шара, м",
         42,
         nullptr,
         x0Pattern,
         Refusal{x0TooHigh,
                 QStringLiteral("Не может быть меньше суммы радиуса шара и радиуса колеса! Не "
                                "вводите заново, а исправьте!"),
                 x0Reset},
         {},
         {}},
        {Input::V0x,
         "V0x",
         "Label19",
         "Voх (м/с)=",
         ButtonText,
         "Text19",
         "начальная скорость",
         "начальная скорость шара, м/с",
         44,
         nullptr,
         "0.000",
         {},
         {},
         {}},
        {Input::T,
         "T",
         "Label20",
         "Т (с) =",
         ButtonText,
         "Text20",
         "время расчета",
         "время расчёта, с",
         46,
         nullptr,
         nullptr,
         Refusal{[](const Inputs& in) { return in.T <= 0; },
                 QStringLiteral("Должно быть больше 0! Не вводите заново, а исправьте!"),
                 [](const Inputs&) { return 40.0; }},
         {},
         {}},
    };
    return rows;
}

const InputRow& inputRow(Input input) {
    return inputTable()[static_cast<std::size_t>(input)];
}

std::string displayText(const InputRow& row, const Inputs& in) {
    const double value = in.value(row.input);
    if (row.pattern) return formatNumber(value, row.pattern);
    if (row.input == Input::T) return generalNumber(in.T);
    return generalNumber(value);
}

} // namespace trelvix
