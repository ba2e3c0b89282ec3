// Measuring a run's record against the characteristics and the linear theory: a free run without
// quadratic drag gives back T_s, Θ and δ, a driven one the amplitude and lag of the linear
// theory; runs that cannot show a quantity say why, never with a NaN.

#include "model/driven_oscillator.h"
#include "model/run.h"
#include "model/run_measurements.h"

#include <QtTest>
#include <cmath>

using namespace trelvix;

namespace {

// The record of a whole run of the initial experiment changed by `change`.
template <typename Change> RunRecord recordOf(Change change) {
    Inputs in = initialInputs();
    in.c = 0; // no quadratic drag: the linear theory is exact
    change(in);
    const Characteristics ch = deriveCharacteristics(in);
    std::optional<RunDriver> run = RunDriver::begin(in, ch);
    RunRecord record(in, ch);
    while (run && run->goesOn()) {
        run->step();
        record.append(run->state());
    }
    return record;
}

void verifyClose(const Measurement& m, double tolerancePercent) {
    QVERIFY2(m.value, m.reason.c_str());
    QVERIFY(m.hasPrediction);
    const double difference = std::abs(*m.differencePercent());
    QVERIFY2(difference <= tolerancePercent, qPrintable(QString::number(difference)));
}

void verifyNotMeasured(const Measurement& m) {
    QVERIFY(!m.value);
    QVERIFY(!m.reason.empty());
    QVERIFY(!m.differencePercent());
}

} // namespace

class RunMeasurementsTest : public QObject {
    Q_OBJECT

private slots:
    void freeRunGivesPeriodAndDecrement();
    void drivenRunGivesLinearAmplitudeAndLag();
    void runsThatShowNothingSayWhy();
};

void RunMeasurementsTest::freeRunGivesPeriodAndDecrement() {
    const RunRecord r = recordOf([](Inputs& in) {
        in.Xm = 0;
        in.eta = 0.05;
    });
    const RunMeasurements m = measureRun(r);
    verifyClose(m.period, 0.5);
    QVERIFY(m.period.readings > 10);
    QVERIFY(m.period.spread < 1e-3 * *m.period.value);
    verifyClose(m.logDecrement, 0.5);
    verifyClose(m.delta, 0.5);
    verifyNotMeasured(m.amplitude); // no drive
}

void RunMeasurementsTest::drivenRunGivesLinearAmplitudeAndLag() {
    const RunRecord r = recordOf([](Inputs& in) {
        in.eta = 1; // the transient has died out long before the end
        in.T = 12;
    });
    const RunMeasurements m = measureRun(r);
    verifyClose(m.amplitude, 0.5);
    QCOMPARE(m.amplitude.readings, 5);
    QVERIFY2(std::abs(*m.phaseLag.value - m.phaseLag.predicted) < 0.005,
             qPrintable(QString::number(*m.phaseLag.value)));
    verifyNotMeasured(m.logDecrement); // a driven run has no free decay
}

void RunMeasurementsTest::runsThatShowNothingSayWhy() {
    const RunMeasurements tooShort = measureRun(recordOf([](Inputs& in) { in.T = 0.05F; }));
    for (const Measurement* m : {&tooShort.period, &tooShort.logDecrement, &tooShort.delta,
                                 &tooShort.amplitude, &tooShort.phaseLag})
        verifyNotMeasured(*m);

    const RunMeasurements overdamped = measureRun(recordOf([](Inputs& in) {
        in.Xm = 0;
        in.eta = 50;
    }));
    verifyNotMeasured(overdamped.logDecrement);
    QVERIFY(!overdamped.logDecrement.hasPrediction);

    const RunMeasurements empty = measureRun(RunRecord());
    verifyNotMeasured(empty.period);
    verifyNotMeasured(empty.amplitude);
}

QTEST_GUILESS_MAIN(RunMeasurementsTest)
#include "tst_run_measurements.moc"
