// Measuring a run's record against what predicts it: without quadratic drag a free run gives back
// T_s, Θ and δ and a driven one the amplitude and lag of the linear theory, whatever the step and
// the sign of ν; with it the program's own steady state and the decay of the measured amplitudes
// are the predictions that hold.  Runs that cannot show a quantity say why, never with a NaN.

#include "model/driven_oscillator.h"
#include "model/run.h"
#include "model/run_measurements.h"
#include "model/steady_state.h"

#include <QtTest>
#include <cmath>
#include <functional>

using namespace trelvix;

namespace {

using Change = std::function<void(Inputs&)>;

// The record of a whole run of the initial experiment without quadratic drag (the linear theory
// then is exact), changed by `change`.
RunRecord recordOf(const Change& change) {
    Inputs in = initialInputs();
    in.c = 0;
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

void verifyClose(const Measurement& m, PredictionSource source, double tolerancePercent) {
    QVERIFY2(m.value, m.reason.c_str());
    QVERIFY(m.applicable());
    QCOMPARE(m.applicable()->source, source);
    const double difference = std::abs(*m.differencePercent());
    QVERIFY2(difference <= tolerancePercent, qPrintable(QString::number(difference)));
}

void verifyNotMeasured(const Measurement& m) {
    QVERIFY(!m.value);
    QVERIFY(!m.reason.empty());
    QVERIFY(!m.differencePercent());
}

// The prediction of `source` is there, shown without a difference and with the reason.
void verifyInapplicable(const Measurement& m, PredictionSource source) {
    const auto shown = std::find_if(m.predictions.begin(), m.predictions.end(),
                                    [&](const Prediction& p) { return p.source == source; });
    QVERIFY(shown != m.predictions.end());
    QVERIFY(!shown->inapplicable.empty());
    QVERIFY(m.applicable() != &*shown);
}

} // namespace

Q_DECLARE_METATYPE(Change)

class RunMeasurementsTest : public QObject {
    Q_OBJECT

private slots:
    void freeRunGivesPeriodAndDecrement();
    void drivenRunGivesLinearAmplitudeAndLag_data();
    void drivenRunGivesLinearAmplitudeAndLag();
    void quadraticDragIsComparedWithWhatHolds();
    void differenceIsTakenOfThePrediction();
    void runsThatShowNothingSayWhy_data();
    void runsThatShowNothingSayWhy();
};

void RunMeasurementsTest::freeRunGivesPeriodAndDecrement() {
    const RunRecord r = recordOf([](Inputs& in) {
        in.Xm = 0;
        in.eta = 0.05;
    });
    const RunMeasurements m = measureRun(r);
    verifyClose(m.period, PredictionSource::Characteristics, 0.1);
    QVERIFY(m.period.readings > 10);
    QVERIFY(m.period.spread < 1e-3 * *m.period.value);
    verifyClose(m.logDecrement, PredictionSource::Characteristics, 0.1);
    verifyClose(m.delta, PredictionSource::Characteristics, 0.1);
    verifyNotMeasured(m.amplitude); // no drive
}

// Below ν0 the step, a fiftieth of T0, does not divide the driving period; the window still spans
// whole periods.  A negative ν drives as its magnitude does.  At 0.3 Hz the transient of the
// first seconds would pull a period averaged over the whole run far off T_v.
void RunMeasurementsTest::drivenRunGivesLinearAmplitudeAndLag_data() {
    QTest::addColumn<Change>("change");
    QTest::newRow("above nu0, step divides T_v") << Change([](Inputs& in) {
        in.eta = 1;
        in.T = 12;
    });
    for (double nu : {2.0, 2.5, 3.3, -2.5, 0.3})
        QTest::addRow("nu = %g below nu0, eta = 0.3, T = 60", nu) << Change([nu](Inputs& in) {
            in.eta = 0.3;
            in.T = 60;
            in.nu = nu;
        });
}

void RunMeasurementsTest::drivenRunGivesLinearAmplitudeAndLag() {
    QFETCH(Change, change);
    const RunMeasurements m = measureRun(recordOf(change));
    verifyClose(m.amplitude, PredictionSource::LinearTheory, 0.1);
    verifyClose(m.phaseLag, PredictionSource::LinearTheory, 0.1);
    verifyClose(m.period, PredictionSource::Characteristics, 0.1);
    QCOMPARE(m.amplitude.readings, 5);
    verifyNotMeasured(m.logDecrement); // a driven run has no free decay
}

// At the initial values the quadratic drag dominates: the linear predictions are far off and are
// shown without a difference; the steady state and the decay at the measured amplitudes hold.
void RunMeasurementsTest::quadraticDragIsComparedWithWhatHolds() {
    const Change initialDrag = [](Inputs& in) { in.c = initialInputs().c; };
    const RunMeasurements driven = measureRun(recordOf([&](Inputs& in) {
        initialDrag(in);
        in.nu = 3.9949;
        in.T = 20;
    }));
    verifyClose(driven.amplitude, PredictionSource::SteadyState, 1);
    verifyClose(driven.phaseLag, PredictionSource::SteadyState, 1);
    verifyInapplicable(driven.amplitude, PredictionSource::LinearTheory);
    verifyInapplicable(driven.phaseLag, PredictionSource::LinearTheory);

    const RunMeasurements free = measureRun(recordOf([&](Inputs& in) {
        initialDrag(in);
        in.Xm = 0;
    }));
    verifyClose(free.logDecrement, PredictionSource::AmplitudeDecay, 1);
    verifyClose(free.delta, PredictionSource::AmplitudeDecay, 1);
    verifyInapplicable(free.logDecrement, PredictionSource::Characteristics);
    verifyInapplicable(free.delta, PredictionSource::Characteristics);
}

// In per cent of the prediction that holds, skipping one that does not.
void RunMeasurementsTest::differenceIsTakenOfThePrediction() {
    Measurement m;
    m.value = 110;
    m.predictions = {{PredictionSource::LinearTheory, 50, "не применимо"},
                     {PredictionSource::SteadyState, 100, {}}};
    QCOMPARE(*m.differencePercent(), 10.0);
    m.predictions.pop_back();
    QVERIFY(!m.differencePercent());
}

void RunMeasurementsTest::runsThatShowNothingSayWhy_data() {
    QTest::addColumn<Change>("change");
    QTest::addColumn<bool>("free");
    QTest::addColumn<bool>("twoMaxima"); // a free run that shows one decrement
    QTest::newRow("no crossing, one maximum")
        << Change([](Inputs& in) { in.T = 0.05F; }) << false << false;
    QTest::newRow("free: no crossing, one maximum") << Change([](Inputs& in) {
        in.Xm = 0;
        in.T = 0.2F;
    }) << true << false;
    QTest::newRow("free: one crossing, two maxima") << Change([](Inputs& in) {
        in.Xm = 0;
        in.T = 0.3F;
    }) << true << true;
    QTest::newRow("overdamped") << Change([](Inputs& in) {
        in.Xm = 0;
        in.eta = 50;
    }) << true << false;
    // The free motion is still many times the forced one, at twice the driving frequency, which
    // the first harmonic alone does not see.
    QTest::newRow("driven, not settled") << Change([](Inputs& in) {
        in.c = initialInputs().c;
        in.nu = 2;
    }) << false << false;
}

void RunMeasurementsTest::runsThatShowNothingSayWhy() {
    QFETCH(Change, change);
    QFETCH(bool, free);
    QFETCH(bool, twoMaxima);
    const RunMeasurements m = measureRun(recordOf(change));
    if (free) {
        verifyNotMeasured(m.period);
        verifyNotMeasured(m.delta);
        verifyNotMeasured(m.amplitude);
        if (twoMaxima)
            QCOMPARE(m.logDecrement.readings, 1);
        else
            verifyNotMeasured(m.logDecrement);
    } else {
        for (const Measurement* q :
             {&m.period, &m.logDecrement, &m.delta, &m.amplitude, &m.phaseLag})
            verifyNotMeasured(*q);
    }
    const RunMeasurements empty = measureRun(RunRecord());
    verifyNotMeasured(empty.period);
    verifyNotMeasured(empty.amplitude);
}

QTEST_GUILESS_MAIN(RunMeasurementsTest)
#include "tst_run_measurements.moc"
