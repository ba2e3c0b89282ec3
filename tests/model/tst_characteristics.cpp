#include "model/captions.h"
#include "model/characteristics.h"
#include "model/experiment.h"
#include "model/single_precision.h"
#include "model/translated_text.h"

#include <QtTest>
#include <cfloat>
#include <cmath>
#include <functional>

using namespace trelvix;

namespace {

using Change = std::function<void(Inputs&)>;

QStringList allCaptions(const Captions& c) {
    QStringList list;
    for (const std::string* s :
         {&c.ballDensity, &c.mediumMass, &c.equilibrium, &c.quadraticDistance, &c.damping,
          &c.harmonicFrequency, &c.naturalFrequency, &c.drivingFrequency, &c.harmonicPeriod,
          &c.naturalPeriod, &c.drivingPeriod, &c.logDecrement, &c.qualityFactor,
          &c.resonanceFrequency, &c.criticalViscosity})
        list << QString::fromStdString(*s);
    return list;
}

// The initial experiment, then the change applied and the characteristics derived again, as the
// window does after an edit: values that a limit case does not compute keep their initial ones.
struct Computed {
    Experiment before;
    Experiment after;
    Captions captions;
};

Computed computeWith(const Change& change) {
    Computed r;
    r.after = r.before;
    change(r.after.inputs);
    r.after.derive();
    r.captions = captionsOf(r.after.inputs, r.after.derived, ".");
    return r;
}

} // namespace

Q_DECLARE_METATYPE(Change)

class CharacteristicsTest : public QObject {
    Q_OBJECT

private slots:
    void initialValues();
    void initialFigures();
    void initialCaptions();
    void captionsInAnotherLanguage();
    void decimalCommaEverywhereButEquilibrium();
    void limitTexts_data();
    void limitTexts();
    void limitCasesKeepPreviousValues();
    void withoutViscosity();
    void dampingEqualToFrequency();
    void drivingFrequency_data();
    void drivingFrequency();
    void extremeInputsShowNoGarbage_data();
    void extremeInputsShowNoGarbage();
    void singlePrecisionStores();
};

void CharacteristicsTest::initialValues() {
    const Experiment e;
    QCOMPARE(e.inputs.m, 0.06385);
    QCOMPARE(e.inputs.d, 0.025);
    QCOMPARE(e.inputs.k, 40.0);
    QCOMPARE(e.inputs.eta, 0.001004);
    QCOMPARE(e.inputs.T, 6.0F);
    QCOMPARE(e.inputs.ballRadius(), 0.0125);
    QCOMPARE(e.inputs.wheelRadius(), e.inputs.Xm);
    QCOMPARE(e.view.slowDown, 1.0);
    QCOMPARE(e.view.gridDivisions, 10.0);
    QCOMPARE(e.view.springTurns, 7.0);
    QCOMPARE(e.view.springHalfWidth, 0.02);
}

void CharacteristicsTest::initialFigures() {
    const Experiment e;
    const Inputs& in = e.inputs;
    const Characteristics& ch = e.derived;
    QVERIFY(std::fabs(ch.mo - 8.181e-3) < 0.5e-6);
    QVERIFY(std::fabs(ch.Xg - 1.76158e-1) < 0.5e-6);
    QVERIFY(std::fabs(ch.omega_0 - 25.03) < 0.005);
    QVERIFY(std::fabs(ch.T_0 - 0.251) < 0.0005);
    QCOMPARE(ch.T_v, 6.2831853072 / (4.5 * 6.2831853072));
    QCOMPARE(ch.step, ch.T_v / 50);
    QCOMPARE(qRound(in.T / ch.step), 1350);
    QVERIFY(std::fabs(ch.qualityFactor - 1.696e3) < 0.5);
    QVERIFY(std::fabs(ch.eta_kr - 13.57F) < 0.005F);
    QCOMPARE(ch.quadraticDrag, 1.0 / ch.r2);
    QVERIFY(std::fabs(ch.X_max - (0.005 + std::sqrt(1.0 / ch.omega_0_sq +
                                                    (0.25 - ch.Xg) * (0.25 - ch.Xg)))) < 1e-15);
    QCOMPARE(ch.Vx_max, ch.omega_0 * ch.X_max);
    QCOMPARE(ch.stepsPerPeriod, std::int16_t(50));
    QVERIFY(canRun(in, ch));
}

void CharacteristicsTest::initialCaptions() {
    const Experiment e;
    const QStringList expected = {
        "   =7.804E+03 кг/куб.м", "mo = 8.181E-03 кг",      "Xg = 1.76158e-01 м",
        "r2 = 5.203E-01 м",       "   = 1.852E-03 рад/c",   "   o = 2.503E+01 рад/c",
        "   s = 2.503E+01 рад/c", "   v = 2.827E+01 рад/c", "To = 2.510E-01 c",
        "Ts = 2.510E-01 c",       "Tv = 2.222E-01 c",       "    = 4.650E-04 ",
        "Q = 1.696E+03 ",         "   r = 3.9835E+00 Гц",   "   _kr = 1.357E+01 Па·с"};
    const QStringList shown = allCaptions(captionsOf(e.inputs, e.derived, "."));
    QCOMPARE(shown.size(), expected.size());
    // Compare code point by code point: a Latin "c" where the unit has one must stay Latin.
    for (int i = 0; i < expected.size(); ++i)
        QCOMPARE(shown[i].toUcs4(), expected[i].toUcs4());
}

// Every word and unit of a caption passes through the translation: with one that marks what it
// translates, nothing Russian is left outside the marks, and the numbers stay as they were.  A
// viscosity of huge negative value leaves the decrement undefined, in words.
void CharacteristicsTest::captionsInAnotherLanguage() {
    Experiment initial;
    Experiment undefined;
    undefined.inputs.eta = -1e308 * 10;
    undefined.derive();
    QStringList russian;
    for (const Experiment* e : {&initial, &undefined})
        russian << allCaptions(captionsOf(e->inputs, e->derived, "."));
    setTextTranslation(
        [](const char*, const char* source) { return "<" + std::string(source) + ">"; });
    QStringList marked;
    for (const Experiment* e : {&initial, &undefined})
        marked << allCaptions(captionsOf(e->inputs, e->derived, "."));
    setTextTranslation(nullptr);
    QVERIFY(russian.join(u'|').contains(QStringLiteral("не определено")));
    const QRegularExpression cyrillic(QStringLiteral("[\\x{0400}-\\x{04FF}]"));
    for (int i = 0; i < marked.size(); ++i) {
        QString outside = marked[i];
        outside.remove(QRegularExpression(QStringLiteral("<[^<>]*>")));
        QVERIFY2(!outside.contains(cyrillic), qPrintable(marked[i]));
        QString unmarked = marked[i];
        unmarked.replace(QRegularExpression(QStringLiteral("<([^<>]*)>")), QStringLiteral("\\1"));
        QCOMPARE(unmarked, russian[i]);
    }
}

void CharacteristicsTest::decimalCommaEverywhereButEquilibrium() {
    const Experiment e;
    const Captions c = captionsOf(e.inputs, e.derived, ",");
    QCOMPARE(QString::fromStdString(c.equilibrium), QString("Xg = 1.76158e-01 м"));
    QCOMPARE(QString::fromStdString(c.ballDensity), QString("   =7,804E+03 кг/куб.м"));
    QCOMPARE(QString::fromStdString(c.resonanceFrequency), QString("   r = 3,9835E+00 Гц"));
    QStringList others = allCaptions(c);
    others.removeAt(2);
    for (const QString& caption : others) {
        QVERIFY2(caption.contains(','), qPrintable(caption));
        QVERIFY2(!caption.contains(QRegularExpression("\\d\\.\\d")), qPrintable(caption));
    }
}

void CharacteristicsTest::limitTexts_data() {
    QTest::addColumn<Change>("change");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("text");
    // rows of allCaptions: 3 quadraticDistance, 9 naturalPeriod, 10 drivingPeriod,
    // 11 logDecrement, 12 qualityFactor, 13 resonanceFrequency
    QTest::newRow("no drag") << Change([](Inputs& in) { in.c = 0; }) << 3 << "r2 -> oo";
    QTest::newRow("vacuum") << Change([](Inputs& in) { in.ro = 0; }) << 3 << "r2 -> oo";
    QTest::newRow("no viscosity") << Change([](Inputs& in) { in.eta = 0; }) << 12 << "Q -> oo";
    const Change overdamped = [](Inputs& in) { in.eta = 100; };
    QTest::newRow("overdamped period") << overdamped << 9 << "Ts -> oo";
    QTest::newRow("overdamped decrement") << overdamped << 11 << "    -> oo";
    QTest::newRow("overdamped quality") << overdamped << 12 << "Q -> 0";
    QTest::newRow("overdamped resonance") << overdamped << 13 << "  r -> 0";
    QTest::newRow("no driving frequency")
        << Change([](Inputs& in) { in.nu = 0; }) << 10 << "Tv -> oo";
    QTest::newRow("huge negative viscosity has no resonance")
        << Change([](Inputs& in) { in.eta = -1e6; }) << 13 << "  r -> 0";
    // A damping that matters: δ = 1, ω0 = 2, so νr = √(ω0² − 2δ²)/2π (ω0² − δ² would give
    // 2.7566E-01); then δ√2 just below ω0, where the resonance moves towards zero.
    const auto dampedResonator = [](double eta) {
        return Change([eta](Inputs& in) {
            in.m = 1;
            in.k = 4;
            in.d = 0.1;
            in.c = 0;
            in.ro = 0;
            in.eta = eta;
        });
    };
    QTest::newRow("resonance with damping δ = 1")
        << dampedResonator(2 / (0.3 * M_PI)) << 13 << "   r = 2.2508E-01 Гц";
    QTest::newRow("resonance just inside δ√2 < ω0")
        << dampedResonator(3.0) << 13 << "   r = 8.4370E-03 Гц";
}

void CharacteristicsTest::limitTexts() {
    QFETCH(Change, change);
    QFETCH(int, row);
    QFETCH(QString, text);
    const Computed r = computeWith(change);
    QCOMPARE(allCaptions(r.captions).at(row), text);
}

void CharacteristicsTest::limitCasesKeepPreviousValues() {
    const Computed noDrag = computeWith([](Inputs& in) { in.c = 0; });
    QCOMPARE(noDrag.after.derived.r2, noDrag.before.derived.r2);
    QCOMPARE(noDrag.after.derived.quadraticDrag, 0.0);

    const Computed vacuum = computeWith([](Inputs& in) { in.ro = 0; });
    QCOMPARE(vacuum.after.derived.quadraticDrag, 0.0);
    QCOMPARE(vacuum.after.derived.mo, 0.0);

    const Computed overdamped = computeWith([](Inputs& in) { in.eta = 100; });
    const Characteristics& before = overdamped.before.derived;
    const Characteristics& after = overdamped.after.derived;
    QCOMPARE(after.T_s, before.T_s);
    QCOMPARE(after.logDecrement, before.logDecrement);
    QCOMPARE(after.qualityFactor, before.qualityFactor);
    QCOMPARE(after.nu_r, before.nu_r);

    const Computed undriven = computeWith([](Inputs& in) { in.nu = 0; });
    QCOMPARE(undriven.after.derived.T_v, undriven.before.derived.T_v);
}

void CharacteristicsTest::withoutViscosity() {
    const Computed r = computeWith([](Inputs& in) { in.eta = 0; });
    const Characteristics& ch = r.after.derived;
    QCOMPARE(ch.delta, 0.0);
    QCOMPARE(ch.T_s, ch.T_0);
    QCOMPARE(ch.logDecrement, 0.0);
    QCOMPARE(ch.nu_r, ch.omega_0 / 2 / 3.1415926536);
    QCOMPARE(ch.qualityFactor, r.before.derived.qualityFactor);
}

// omega_0 = delta exactly: no natural period and no decrement, but the quality factor is shown.
void CharacteristicsTest::dampingEqualToFrequency() {
    Experiment e;
    Inputs& in = e.inputs;
    const Characteristics& ch = e.derived;
    in.m = 1;
    in.k = 4;
    in.d = 1;
    in.eta = 2 * 2 / 9.4247779608;
    for (int attempt = 0; attempt < 8; ++attempt) {
        e.derive();
        if (ch.delta == ch.omega_0) break;
        in.eta = std::nextafter(in.eta, ch.delta < ch.omega_0 ? 1.0 : 0.0);
    }
    e.derive();
    const Captions c = captionsOf(in, ch, ".");
    QCOMPARE(ch.delta, ch.omega_0);
    QCOMPARE(QString::fromStdString(c.naturalPeriod), QString("Ts -> oo"));
    QCOMPARE(QString::fromStdString(c.logDecrement), QString("    -> oo"));
    QCOMPARE(QString::fromStdString(c.qualityFactor), QString("Q = 1.571E+00 "));
}

void CharacteristicsTest::drivingFrequency_data() {
    QTest::addColumn<double>("nu");
    QTest::addColumn<QString>("periodText");
    QTest::addColumn<bool>("stepFromFreePeriod");
    QTest::newRow("default") << 4.5 << "Tv = 2.222E-01 c" << false;
    QTest::newRow("negative drives like its magnitude") << -4.5 << "Tv = 2.222E-01 c" << false;
    QTest::newRow("zero") << 0.0 << "Tv -> oo" << true;
    QTest::newRow("slow") << 1.0 << "Tv = 1.000E+00 c" << true;
    QTest::newRow("tiny") << 1e-320 << "Tv -> oo" << true;
}

void CharacteristicsTest::drivingFrequency() {
    QFETCH(double, nu);
    QFETCH(QString, periodText);
    QFETCH(bool, stepFromFreePeriod);
    Experiment e;
    e.inputs.nu = nu;
    e.derive();
    const Characteristics& ch = e.derived;
    const Captions c = captionsOf(e.inputs, ch, ".");
    QCOMPARE(QString::fromStdString(c.drivingPeriod), periodText);
    QCOMPARE(ch.step, stepFromFreePeriod ? ch.T_0 / 50 : 1 / 4.5 / 50);
    QVERIFY(ch.step > 0);
    QVERIFY(canRun(e.inputs, ch));
}

void CharacteristicsTest::extremeInputsShowNoGarbage_data() {
    QTest::addColumn<Change>("change");
    QTest::addColumn<bool>("runnable");
    const double big = DBL_MAX;
    QTest::newRow("huge mass") << Change([=](Inputs& in) { in.m = big; }) << false;
    QTest::newRow("tiny mass") << Change([](Inputs& in) { in.m = 1e-300; }) << false;
    QTest::newRow("huge diameter") << Change([=](Inputs& in) { in.d = big; }) << false;
    QTest::newRow("tiny diameter") << Change([](Inputs& in) { in.d = 1e-200; }) << true;
    QTest::newRow("huge stiffness") << Change([=](Inputs& in) { in.k = big; }) << false;
    QTest::newRow("tiny stiffness") << Change([](Inputs& in) { in.k = 1e-320; }) << false;
    QTest::newRow("huge density") << Change([=](Inputs& in) { in.ro = big; }) << false;
    QTest::newRow("huge negative density") << Change([=](Inputs& in) { in.ro = -big; }) << false;
    QTest::newRow("huge negative viscosity") << Change([=](Inputs& in) { in.eta = -big; }) << false;
    QTest::newRow("huge drag, no medium") << Change([=](Inputs& in) {
        in.c = big;
        in.ro = 0;
    }) << true;
    QTest::newRow("no drag, huge medium") << Change([=](Inputs& in) {
        in.c = 0;
        in.ro = big;
        in.d = 1e100;
    }) << false;
    QTest::newRow("everything huge") << Change([=](Inputs& in) {
        in.m = in.d = in.c = in.k = in.L0 = in.ro = in.eta = in.Xm = in.nu = in.X0 = in.V0x = big;
    }) << false;
    QTest::newRow("lengths cancel") << Change([=](Inputs& in) {
        in.L0 = -big;
        in.d = big;
    }) << false;
    QTest::newRow("huge frequency") << Change([=](Inputs& in) { in.nu = big; }) << false;
    QTest::newRow("huge start speed") << Change([=](Inputs& in) { in.V0x = big; }) << false;
}

void CharacteristicsTest::extremeInputsShowNoGarbage() {
    QFETCH(Change, change);
    QFETCH(bool, runnable);
    const Computed r = computeWith(change);
    for (const QString& caption : allCaptions(r.captions)) {
        QVERIFY2(!caption.contains("nan", Qt::CaseInsensitive), qPrintable(caption));
        QVERIFY2(!caption.contains("inf", Qt::CaseInsensitive), qPrintable(caption));
        QVERIFY2(!caption.contains('?'), qPrintable(caption));
    }
    QCOMPARE(canRun(r.after.inputs, r.after.derived), runnable);
}

void CharacteristicsTest::singlePrecisionStores() {
    Experiment e;
    const Inputs& in = e.inputs;
    e.inputs.eta = 0.001;
    e.derive();
    QCOMPARE(double(e.derived.eta_kr),
             double(float(std::sqrt(in.m * in.k) * 2 / 3 / 3.1415926536 / in.d)));

    QCOMPARE(toSingle(0.1), 0.1F);
    QCOMPARE(toSingle(1e300), std::numeric_limits<float>::infinity());
    QCOMPARE(toSingle(-1e300), -std::numeric_limits<float>::infinity());
    QCOMPARE(toSingle(double(FLT_MAX)), FLT_MAX);
    QCOMPARE(toSingleSaturated(1e300), FLT_MAX);
    QCOMPARE(toSingleSaturated(-1e300), -FLT_MAX);
    QCOMPARE(toSingleSaturated(6.0), 6.0F);
}

QTEST_GUILESS_MAIN(CharacteristicsTest)
#include "tst_characteristics.moc"
