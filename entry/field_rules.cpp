#include "entry/field_rules.h"

#include "model/number_text.h"

#include <cfloat>
#include <cmath>
#include <limits>

namespace trelvix {

namespace {

const char* const x0Pattern = "0.00000";

// The ball must start below the crank pin: its centre at least the crank radius plus its own
// radius below the wheel centre.  A sum beyond the double range stays the largest double, so
// the reset never stores an infinity.
double lowestX0(const Experiment& e) {
    const double sum = e.Xm + e.d / 2;
    return std::isfinite(sum) ? sum : std::numeric_limits<double>::max();
}

// Xm and d/2 are decimals the student typed; their binary sum may lie a few units in the last
// place above the decimal sum, which must still be accepted when typed exactly.
double x0Tolerance(const Experiment& e) {
    return 4 * DBL_EPSILON * std::fabs(e.Xm) + 4 * DBL_EPSILON * std::fabs(e.d / 2);
}

// X is measured downwards: a start coordinate below the limit puts the ball too high.
bool x0TooHigh(const Experiment& e) {
    return e.X0 < lowestX0(e) - x0Tolerance(e);
}

// The lowest admissible X0 as the field will show it, five decimals.  The decimal text of the
// sum can read back a little below the sum; then the next five-decimal value is taken, so that
// the pass over the written text accepts it and the student sees one message per refusal.
double x0Reset(const Experiment& e) {
    const double limit = lowestX0(e) - x0Tolerance(e);
    const double shown = readNumber(formatNumber(lowestX0(e), x0Pattern));
    if (shown >= limit) return shown;
    return readNumber(formatNumber(shown + 1e-5, x0Pattern));
}

const QString notPositiveMessage =
    QStringLiteral("Не может быть отрицательным или 0! Не вводите заново, а исправьте!");

} // namespace

const std::vector<FieldRule>& fieldRules() {
    static const std::vector<FieldRule> rules{
        {"Text1",
         [](Experiment& e, double x) { e.m = x; },
         [](const Experiment& e) { return e.m; },
         "0.000000",
         false,
         Refusal{
             [](const Experiment& e) { return e.m <= 0; },
             QStringLiteral("не может быть отрицательной или 0! Не вводите заново, а исправьте!"),
             [](const Experiment&) { return 0.06385; }},
         {},
         {}},
        {"Text4",
         [](Experiment& e, double x) {
             e.d = x;
             e.R_shara = x / 2;
         },
         [](const Experiment& e) { return e.d; },
         "0.000",
         false,
         Refusal{[](const Experiment& e) { return e.d <= 0; }, notPositiveMessage,
                 [](const Experiment&) { return 0.025; }},
         {},
         {}},
        {"Text7",
         [](Experiment& e, double x) { e.c = x; },
         [](const Experiment& e) { return e.c; },
         "0.000",
         false,
         Refusal{[](const Experiment& e) { return e.c < 0; },
                 QStringLiteral("Не может быть отрицательным! Не вводите заново, а исправьте!"),
                 [](const Experiment&) { return 0.5; }},
         {},
         {{{"Label15"}, [](const Experiment& e) { return e.c == 0; }}}},
        {"Text8",
         [](Experiment& e, double x) { e.k = x; },
         [](const Experiment& e) { return e.k; },
         "0.000",
         false,
         Refusal{[](const Experiment& e) { return e.k <= 0; }, notPositiveMessage,
                 [](const Experiment&) { return 40.0; }},
         {},
         {}},
        {"Text2",
         [](Experiment& e, double x) { e.L0 = x; },
         [](const Experiment& e) { return e.L0; },
         "0.000",
         false,
         {},
         {},
         {}},
        {"Text3",
         [](Experiment& e, double x) { e.ro = x; },
         [](const Experiment& e) { return e.ro; },
         nullptr,
         false,
         {},
         Warning{[](const Experiment& e) { return e.ro <= 0; },
                 QStringLiteral("Это вакуум! Тогда и вязкость среды должна быть=0! Но можно "
                                "экспериментировать и так!"),
                 &WarningsShown::fff_ro_0},
         // Without a medium there is no displaced mass and no quadratic drag.
         {{{"Label13"}, [](const Experiment& e) { return e.ro <= 0; }},
          {{"Label15"}, [](const Experiment& e) { return e.ro <= 0 || e.c == 0; }}}},
        {"Text5",
         [](Experiment& e, double x) { e.eta = x; },
         [](const Experiment& e) { return e.eta; },
         "0.000e+00",
         false,
         {},
         Warning{[](const Experiment& e) { return e.eta == 0; },
                 QStringLiteral("Это вакуум! Тогда и плотность среды должна быть=0! Но можно "
                                "экспериментировать и так!"),
                 &WarningsShown::fff_eta},
         // Without viscosity the damping, the decrement and the quality factor mean nothing.
         {{{"Label16", "Label16_2", "Label27", "Label27_2", "Label28"},
           [](const Experiment& e) { return e.eta == 0; }}}},
        {"Text6",
         [](Experiment& e, double x) {
             e.Xm = x;
             e.R_kolesa = x;
         },
         [](const Experiment& e) { return e.Xm; },
         "0.0000",
         false,
         {},
         {},
         // A wheel that does not move the suspension point has no driving frequency.
         {{{"Label9", "Label9_2", "Text9", "Label23", "Label23_2", "Label26"},
           [](const Experiment& e) { return e.Xm == 0; }}}},
        {"Text9",
         [](Experiment& e, double x) { e.nu = x; },
         [](const Experiment& e) { return e.nu; },
         "0.0000",
         false,
         {},
         {},
         {}},
        {"Text18",
         [](Experiment& e, double x) { e.X0 = x; },
         [](const Experiment& e) { return e.X0; },
         x0Pattern,
         false,
         Refusal{x0TooHigh,
                 QStringLiteral("Не может быть меньше суммы радиуса шара и радиуса колеса! Не "
                                "вводите заново, а исправьте!"),
                 x0Reset},
         {},
         {}},
        {"Text19",
         [](Experiment& e, double x) { e.V0x = x; },
         [](const Experiment& e) { return e.V0x; },
         "0.000",
         false,
         {},
         {},
         {}},
        {"Text20",
         [](Experiment& e, double x) { e.T = toSingleSaturated(x); },
         [](const Experiment& e) { return double{e.T}; },
         nullptr,
         true,
         Refusal{[](const Experiment& e) { return e.T <= 0; },
                 QStringLiteral("Должно быть больше 0! Не вводите заново, а исправьте!"),
                 [](const Experiment&) { return 40.0; }},
         {},
         {}},
    };
    return rules;
}

std::string displayText(const FieldRule& rule, const Experiment& e) {
    const double value = rule.value(e);
    if (rule.pattern) return formatNumber(value, rule.pattern);
    if (rule.singlePrecision) return generalNumber(static_cast<float>(value));
    return generalNumber(value);
}

} // namespace trelvix
