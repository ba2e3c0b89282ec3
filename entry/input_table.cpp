#include "entry/input_table.h"

#include "model/number_text.h"

#include <QCoreApplication>
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

// The texts of the rows are written in Russian and shown in the current language.
struct InputTexts {
    Q_DECLARE_TR_FUNCTIONS(trelvix::InputTable)
public:
    static const std::vector<InputRow>& table();
};

} // namespace

const std::vector<InputRow>& inputTable() {
    return InputTexts::table();
}

const std::vector<InputRow>& InputTexts::table() {
    const char* const notPositiveMessage =
        QT_TR_NOOP("Не может быть отрицательным или 0! Не вводите заново, а исправьте!");
    static const std::vector<InputRow> rows{
        {Input::m,
         "m",
         "massCaption",
         QT_TR_NOOP("m (кг) ="),
         ButtonText,
         "massField",
         QT_TR_NOOP("масса шара"),
         QT_TR_NOOP("масса шара, кг"),
         6,
         nullptr,
         "0.000000",
         Refusal{[](const Inputs& in) { return in.m <= 0; },
                 QT_TR_NOOP("не может быть отрицательной или 0! Не вводите заново, а исправьте!"),
                 [](const Inputs&) { return 0.06385; }},
         {},
         {}},
        {Input::d,
         "d",
         "diameterCaption",
         QT_TR_NOOP("d (м) ="),
         ButtonText,
         "diameterField",
         QT_TR_NOOP("диаметр шара"),
         QT_TR_NOOP("диаметр шара, м"),
         8,
         nullptr,
         "0.000",
         Refusal{[](const Inputs& in) { return in.d <= 0; }, notPositiveMessage,
                 [](const Inputs&) { return 0.025; }},
         {},
         {}},
        {Input::c,
         "c",
         "dragCaption",
         QT_TR_NOOP("с = "),
         ButtonText,
         "dragField",
         QT_TR_NOOP("коэффициент лобового сопротивления для шара"),
         QT_TR_NOOP("коэффициент лобового сопротивления шара"),
         25,
         nullptr,
         "0.000",
         Refusal{[](const Inputs& in) { return in.c < 0; },
                 QT_TR_NOOP("Не может быть отрицательным! Не вводите заново, а исправьте!"),
                 [](const Inputs&) { return 0.5; }},
         {},
         {{{}, {Result::quadraticDistance}, [](const Inputs& in) { return in.c == 0; }}}},
        {Input::k,
         "k",
         "stiffnessCaption",
         QT_TR_NOOP("k (Н/м) ="),
         ButtonText,
         "stiffnessField",
         QT_TR_NOOP("коэффициент жёсткости пружины"),
         QT_TR_NOOP("жёсткость пружины, Н/м"),
         27,
         nullptr,
         "0.000",
         Refusal{[](const Inputs& in) { return in.k <= 0; }, notPositiveMessage,
                 [](const Inputs&) { return 40.0; }},
         {},
         {}},
        {Input::L0,
         "L0",
         "springLengthCaption",
         QT_TR_NOOP("Lo (м) ="),
         Black,
         "springLengthField",
         QT_TR_NOOP("длина нерастянутой пружины"),
         QT_TR_NOOP("длина нерастянутой пружины, м"),
         5,
         nullptr,
         "0.000",
         {},
         {},
         {}},
        {Input::ro,
         "ro",
         "mediumDensityCaption",
         QT_TR_NOOP("  o (кг/м3) ="),
         WindowText,
         "mediumDensityField",
         QT_TR_NOOP("плотность среды"),
         QT_TR_NOOP("плотность среды, кг/м3"),
         22,
         QT_TR_NOOP("ro(кг/м3)="),
         nullptr,
         {},
         Warning{[](const Inputs& in) { return in.ro <= 0; },
                 QT_TR_NOOP("Это вакуум! Тогда и вязкость среды должна быть=0! Но можно "
                            "экспериментировать и так!"),
                 WarningKind::Vacuum},
         // Without a medium there is no displaced mass and no quadratic drag.
         {{{}, {Result::mediumMass}, [](const Inputs& in) { return in.ro <= 0; }},
          {{},
           {Result::quadraticDistance},
           [](const Inputs& in) { return in.ro <= 0 || in.c == 0; }}}},
        {Input::eta,
         "eta",
         "viscosityCaption",
         QT_TR_NOOP("    (Па·с) = "),
         ButtonText,
         "viscosityField",
         QT_TR_NOOP("коэффициент динамической вязкости среды"),
         QT_TR_NOOP("динамическая вязкость среды, Па·с"),
         9,
         QT_TR_NOOP("h(Па·с)="),
         "0.000e+00",
         {},
         Warning{[](const Inputs& in) { return in.eta == 0; },
                 QT_TR_NOOP("Это вакуум! Тогда и плотность среды должна быть=0! Но можно "
                            "экспериментировать и так!"),
                 WarningKind::NoViscosity},
         // Without viscosity the damping, the decrement and the quality factor mean nothing.
         {{{},
           {Result::damping, Result::logDecrement, Result::qualityFactor},
           [](const Inputs& in) { return in.eta == 0; }}}},
        {Input::Xm,
         "Xm",
         "amplitudeCaption",
         QT_TR_NOOP("Хm (м) ="),
         ButtonText,
         "amplitudeField",
         QT_TR_NOOP("амплитуда вынуждающей силы"),
         QT_TR_NOOP("амплитуда колебаний точки подвеса, м"),
         12,
         nullptr,
         "0.0000",
         {},
         {},
         // A wheel that does not move the suspension point has no driving frequency.
         {{{Input::nu},
           {Result::drivingFrequency, Result::drivingPeriod},
           [](const Inputs& in) { return in.Xm == 0; }}}},
        {Input::nu,
         "nu",
         "frequencyCaption",
         QT_TR_NOOP("   (Гц) ="),
         ButtonText,
         "frequencyField",
         QT_TR_NOOP("частота вынуждающей силы"),
         QT_TR_NOOP("частота вынуждающей силы, Гц"),
         29,
         QT_TR_NOOP("nu(Гц)="),
         "0.0000",
         {},
         {},
         {}},
        {Input::X0,
         "X0",
         "startPositionCaption",
         QT_TR_NOOP("Хo (м) ="),
         ButtonText,
         "startPositionField",
         QT_TR_NOOP("начальная координата центра шара"),
         QT_TR_NOOP("начальная координата центра шара, м"),
         42,
         nullptr,
         x0Pattern,
         Refusal{x0TooHigh,
                 QT_TR_NOOP("Не может быть меньше суммы радиуса шара и радиуса колеса! Не "
                            "вводите заново, а исправьте!"),
                 x0Reset},
         {},
         {}},
        {Input::V0x,
         "V0x",
         "startVelocityCaption",
         QT_TR_NOOP("Voх (м/с)="),
         ButtonText,
         "startVelocityField",
         QT_TR_NOOP("начальная скорость"),
         QT_TR_NOOP("начальная скорость шара, м/с"),
         44,
         nullptr,
         "0.000",
         {},
         {},
         {}},
        {Input::T,
         "T",
         "durationCaption",
         QT_TR_NOOP("Т (с) ="),
         ButtonText,
         "durationField",
         QT_TR_NOOP("время расчета"),
         QT_TR_NOOP("время расчёта, с"),
         46,
         nullptr,
         nullptr,
         Refusal{[](const Inputs& in) { return in.T <= 0; },
                 QT_TR_NOOP("Должно быть больше 0! Не вводите заново, а исправьте!"),
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

QString refusalTitle() {
    return InputTexts::tr("Ошибка");
}

QString warningTitle() {
    return InputTexts::tr("Предупреждение");
}

QString translatedCaption(const InputRow& row) {
    return InputTexts::tr(row.captionText);
}

QString translatedTooltip(const InputRow& row) {
    return InputTexts::tr(row.tooltip);
}

QString translatedQuantity(const InputRow& row) {
    return InputTexts::tr(row.quantity);
}

QString translatedMessage(const Refusal& refusal) {
    return InputTexts::tr(refusal.message);
}

QString translatedMessage(const Warning& warning) {
    return InputTexts::tr(warning.text);
}

std::array<HeaderRow, allInputs.size()> resultsFileHeader(const Inputs& in) {
    std::array<HeaderRow, allInputs.size()> rows;
    for (const InputRow& row : inputTable()) {
        const QString key =
            row.resultsFileKey ? InputTexts::tr(row.resultsFileKey) : translatedCaption(row);
        rows[static_cast<std::size_t>(row.input)] = {key.toStdString(), displayText(row, in)};
    }
    return rows;
}

} // namespace trelvix
