#include "model/characteristics.h"

#include <QtTest>
#include <cfloat>
#include <cmath>
#include <functional>

using namespace trelvix;

namespace {

using Change = std::function<void(Experiment&)>;

QStringList allCaptions(const Captions& c) {
    QStringList list;
    for (const std::string* s : {&c.Label12, &c.Label13, &c.Label14, &c.Label15, &c.Label16,
                                 &c.Label17, &c.Label22, &c.Label23, &c.Label24, &c.Label25,
                                 &c.Label26, &c.Label27, &c.Label28, &c.Label29, &c.Label30})
        list << QString::fromStdString(*s);
    return list;
}

// Defaults computed once, then the change applied and computed again, as the window does after
// an edit: values that a limit case does not compute keep those of the first call.
struct Computed {
    Experiment before;
    Experiment after;
    Captions captions;
};

Computed computeWith(const Change& change) {
    Computed r;
    r.before = initialExperiment();
    parametr(r.before, ".");
    r.after = r.before;
    change(r.after);
    r.captions = parametr(r.after, ".");
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
    const Experiment e = initialExperiment();
    QCOMPARE(e.m, 0.06385);
    QCOMPARE(e.d, 0.025);
    QCOMPARE(e.k, 40.0);
    QCOMPARE(e.eta, 0.001004);
    QCOMPARE(e.T, 6.0F);
    QCOMPARE(e.R_shara, 0.0125);
    QCOMPARE(e.R_kolesa, e.Xm);
    QCOMPARE(e.zamedlenie, 1.0);
    QCOMPARE(e.n_setki, 10.0);
    QCOMPARE(e.n_vitkov, 7.0);
    QCOMPARE(e.polushirina_prug, 0.02);
}

void CharacteristicsTest::initialFigures() {
    Experiment e = initialExperiment();
    parametr(e, ".");
    QVERIFY(std::fabs(e.mo - 8.181e-3) < 0.5e-6);
    QVERIFY(std::fabs(e.Xg - 1.76158e-1) < 0.5e-6);
    QVERIFY(std::fabs(e.omega_0 - 25.03) < 0.005);
    QVERIFY(std::fabs(e.T_0 - 0.251) < 0.0005);
    QCOMPARE(e.T_v, 6.2831853072 / (4.5 * 6.2831853072));
    QCOMPARE(e.shag, e.T_v / 50);
    QCOMPARE(qRound(e.T / e.shag), 1350);
    QVERIFY(std::fabs(e.dobrotnost - 1.696e3) < 0.5);
    QVERIFY(std::fabs(e.eta_kr - 13.57F) < 0.005F);
    QCOMPARE(e.koeff_v2, 1.0 / e.r2);
    QVERIFY(std::fabs(e.X_max - (0.005 + std::sqrt(1.0 / e.omega_0_kv +
                                                   (0.25 - e.Xg) * (0.25 - e.Xg)))) < 1e-15);
    QCOMPARE(e.Vx_max, e.omega_0 * e.X_max);
    QCOMPARE(e.n_shagov, std::int16_t(50));
    QVERIFY(canRun(e));
}

void CharacteristicsTest::initialCaptions() {
    Experiment e = initialExperiment();
    const QStringList expected = {
        "   =7.804E+03 кг/куб.м", "mo = 8.181E-03 кг",      "Xg = 1.76158e-01 м",
        "r2 = 5.203E-01 м",       "   = 1.852E-03 рад/c",   "   o = 2.503E+01 рад/c",
        "   s = 2.503E+01 рад/c", "   v = 2.827E+01 рад/c", "To = 2.510E-01 c",
        "Ts = 2.510E-01 c",       "Tv = 2.222E-01 c",       "    = 4.650E-04 ",
        "Q = 1.696E+03 ",         "   r = 3.9835E+00 Гц",   "   _kr = 1.357E+01 Па·с"};
    const QStringList shown = allCaptions(parametr(e, "."));
    QCOMPARE(shown.size(), expected.size());
    // Compare code point by code point: a Latin "c" where the unit has one must stay Latin.
    for (int i = 0; i < expected.size(); ++i)
        QCOMPARE(shown[i].toUcs4(), expected[i].toUcs4());
}

void CharacteristicsTest::decimalCommaEverywhereButEquilibrium() {
    Experiment e = initialExperiment();
    const Captions c = parametr(e, ",");
    QCOMPARE(QString::fromStdString(c.Label14), QString("Xg = 1.76158e-01 м"));
    QCOMPARE(QString::fromStdString(c.Label12), QString("   =7,804E+03 кг/куб.м"));
    QCOMPARE(QString::fromStdString(c.Label29), QString("   r = 3,9835E+00 Гц"));
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
    // rows: 0 Label12 … 3 Label15, 9 Label25, 10 Label26, 11 Label27, 12 Label28, 13 Label29
    QTest::newRow("no drag") << Change([](Experiment& e) { e.c = 0; }) << 3 << "r2 -> oo";
    QTest::newRow("vacuum") << Change([](Experiment& e) { e.ro = 0; }) << 3 << "r2 -> oo";
    QTest::newRow("no viscosity") << Change([](Experiment& e) { e.eta = 0; }) << 12 << "Q -> oo";
    const Change overdamped = [](Experiment& e) { e.eta = 100; };
    QTest::newRow("overdamped period") << overdamped << 9 << "Ts -> oo";
    QTest::newRow("overdamped decrement") << overdamped << 11 << "    -> oo";
    QTest::newRow("overdamped quality") << overdamped << 12 << "Q -> 0";
    QTest::newRow("overdamped resonance") << overdamped << 13 << "  r -> 0";
    QTest::newRow("no driving frequency")
        << Change([](Experiment& e) { e.nu = 0; }) << 10 << "Tv -> oo";
    QTest::newRow("huge negative viscosity has no resonance")
        << Change([](Experiment& e) { e.eta = -1e6; }) << 13 << "  r -> 0";
}

void CharacteristicsTest::limitTexts() {
    QFETCH(Change, change);
    QFETCH(int, row);
    QFETCH(QString, text);
    const Computed r = computeWith(change);
    QCOMPARE(allCaptions(r.captions).at(row), text);
}

void CharacteristicsTest::limitCasesKeepPreviousValues() {
    const Computed noDrag = computeWith([](Experiment& e) { e.c = 0; });
    QCOMPARE(noDrag.after.r2, noDrag.before.r2);
    QCOMPARE(noDrag.after.koeff_v2, 0.0);

    const Computed vacuum = computeWith([](Experiment& e) { e.ro = 0; });
    QCOMPARE(vacuum.after.koeff_v2, 0.0);
    QCOMPARE(vacuum.after.mo, 0.0);

    const Computed overdamped = computeWith([](Experiment& e) { e.eta = 100; });
    QCOMPARE(overdamped.after.T_s, overdamped.before.T_s);
    QCOMPARE(overdamped.after.log_dekrement, overdamped.before.log_dekrement);
    QCOMPARE(overdamped.after.dobrotnost, overdamped.before.dobrotnost);
    QCOMPARE(overdamped.after.nu_rez, overdamped.before.nu_rez);

    const Computed undriven = computeWith([](Experiment& e) { e.nu = 0; });
    QCOMPARE(undriven.after.T_v, undriven.before.T_v);
}

void CharacteristicsTest::withoutViscosity() {
    const Computed r = computeWith([](Experiment& e) { e.eta = 0; });
    QCOMPARE(r.after.delta, 0.0);
    QCOMPARE(r.after.T_s, r.after.T_0);
    QCOMPARE(r.after.log_dekrement, 0.0);
    QCOMPARE(r.after.nu_rez, r.after.omega_0 / 2 / 3.1415926536);
    QCOMPARE(r.after.dobrotnost, r.before.dobrotnost);
}

// omega_0 = delta exactly: no natural period and no decrement, but the quality factor is shown.
void CharacteristicsTest::dampingEqualToFrequency() {
    Experiment e = initialExperiment();
    e.m = 1;
    e.k = 4;
    e.d = 1;
    e.eta = 2 * 2 / 9.4247779608;
    for (int attempt = 0; attempt < 8; ++attempt) {
        parametr(e, ".");
        if (e.delta == e.omega_0) break;
        e.eta = std::nextafter(e.eta, e.delta < e.omega_0 ? 1.0 : 0.0);
    }
    const Captions c = parametr(e, ".");
    QCOMPARE(e.delta, e.omega_0);
    QCOMPARE(QString::fromStdString(c.Label25), QString("Ts -> oo"));
    QCOMPARE(QString::fromStdString(c.Label27), QString("    -> oo"));
    QCOMPARE(QString::fromStdString(c.Label28), QString("Q = 1.571E+00 "));
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
    Experiment e = initialExperiment();
    e.nu = nu;
    const Captions c = parametr(e, ".");
    QCOMPARE(QString::fromStdString(c.Label26), periodText);
    QCOMPARE(e.shag, stepFromFreePeriod ? e.T_0 / 50 : 1 / 4.5 / 50);
    QVERIFY(e.shag > 0);
    QVERIFY(canRun(e));
}

void CharacteristicsTest::extremeInputsShowNoGarbage_data() {
    QTest::addColumn<Change>("change");
    QTest::addColumn<bool>("runnable");
    const double big = DBL_MAX;
    QTest::newRow("huge mass") << Change([=](Experiment& e) { e.m = big; }) << false;
    QTest::newRow("tiny mass") << Change([](Experiment& e) { e.m = 1e-300; }) << false;
    QTest::newRow("huge diameter") << Change([=](Experiment& e) { e.d = big; }) << false;
    QTest::newRow("tiny diameter") << Change([](Experiment& e) { e.d = 1e-200; }) << true;
    QTest::newRow("huge stiffness") << Change([=](Experiment& e) { e.k = big; }) << false;
    QTest::newRow("tiny stiffness") << Change([](Experiment& e) { e.k = 1e-320; }) << false;
    QTest::newRow("huge density") << Change([=](Experiment& e) { e.ro = big; }) << false;
    QTest::newRow("huge negative density") << Change([=](Experiment& e) { e.ro = -big; }) << false;
    QTest::newRow("huge negative viscosity")
        << Change([=](Experiment& e) { e.eta = -big; }) << false;
    QTest::newRow("huge drag, no medium") << Change([=](Experiment& e) {
        e.c = big;
        e.ro = 0;
    }) << true;
    QTest::newRow("no drag, huge medium") << Change([=](Experiment& e) {
        e.c = 0;
        e.ro = big;
        e.d = 1e100;
    }) << false;
    QTest::newRow("everything huge") << Change([=](Experiment& e) {
        e.m = e.d = e.c = e.k = e.L0 = e.ro = e.eta = e.Xm = e.nu = e.X0 = e.V0x = big;
    }) << false;
    QTest::newRow("lengths cancel") << Change([=](Experiment& e) {
        e.L0 = -big;
        e.d = big;
    }) << false;
    QTest::newRow("huge frequency") << Change([=](Experiment& e) { e.nu = big; }) << false;
    QTest::newRow("huge start speed") << Change([=](Experiment& e) { e.V0x = big; }) << false;
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
    QCOMPARE(canRun(r.after), runnable);
}

void CharacteristicsTest::singlePrecisionStores() {
    Experiment e = initialExperiment();
    e.eta = 0.001;
    parametr(e, ".");
    QCOMPARE(double(e.eta_kr), double(float(std::sqrt(e.m * e.k) * 2 / 3 / 3.1415926536 / e.d)));

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
