#include "model/characteristics.h"
#include "model/run.h"

#include <QtTest>
#include <cmath>
#include <functional>

using namespace trelvix;

namespace {

using Change = std::function<void(Experiment&)>;

Experiment computedWith(const Change& change) {
    Experiment e = initialExperiment();
    change(e);
    parametr(e, ".");
    return e;
}

// Steps a started run to its end, as the window's loop does when nobody presses STOP.
std::vector<StepReport> runToEnd(RunDriver& run) {
    std::vector<StepReport> reports;
    while (run.goesOn())
        reports.push_back(run.step());
    return reports;
}

} // namespace

Q_DECLARE_METATYPE(Change)
Q_DECLARE_METATYPE(StepOutcome)

class RunTest : public QObject {
    Q_OBJECT

private slots:
    void beginSetsInitialState();
    void refusedRunsLeaveTheExperimentAlone_data();
    void refusedRunsLeaveTheExperimentAlone();
    void framesAtOddStepsFromThree_data();
    void framesAtOddStepsFromThree();
    void endsAtComputationTime_data();
    void endsAtComputationTime();
    void crankFromTimeBeforeStep();
    void failingRunsEndCleanly_data();
    void failingRunsEndCleanly();
    void stepAfterEndChangesNothing();
};

void RunTest::beginSetsInitialState() {
    Experiment e = computedWith([](Experiment&) {});
    e.t = 3.5;
    e.X = e.X_1 = e.Vx = e.Vx_1 = 9;
    std::optional<RunDriver> run = RunDriver::begin(e);
    QVERIFY(run);
    QCOMPARE(e.t, 0.0);
    QCOMPARE(e.X, 0.25);
    QCOMPARE(e.X_1, 0.25);
    QCOMPARE(e.Vx, 1.0);
    QCOMPARE(e.Vx_1, 1.0);
    QVERIFY(run->goesOn());
    QCOMPARE(run->stepCount(), 0);
}

void RunTest::refusedRunsLeaveTheExperimentAlone_data() {
    QTest::addColumn<Change>("change");
    // T so large that adding a step no longer changes the model time: the loop would never end.
    QTest::newRow("time step lost at T") << Change([](Experiment& e) { e.T = 1e20F; });
    // Derived values that the integration cannot use.
    QTest::newRow("no step") << Change([](Experiment& e) { e.shag = 0; });
    QTest::newRow("step not a number") << Change([](Experiment& e) { e.shag = NAN; });
    QTest::newRow("infinite coefficient") << Change([](Experiment& e) { e.omega_0_kv = INFINITY; });
}

void RunTest::refusedRunsLeaveTheExperimentAlone() {
    QFETCH(Change, change);
    Experiment e = computedWith([](Experiment&) {});
    change(e);
    e.t = 3.5;
    e.X = 0.3;
    QVERIFY(!canRun(e));
    QVERIFY(!RunDriver::begin(e));
    QCOMPARE(e.t, 3.5);
    QCOMPARE(e.X, 0.3);
}

void RunTest::framesAtOddStepsFromThree_data() {
    QTest::addColumn<int>("steps");
    QTest::addColumn<QList<int>>("frameSteps");
    QTest::newRow("one step") << 1 << QList<int>{};
    QTest::newRow("two steps") << 2 << QList<int>{};
    QTest::newRow("three steps") << 3 << QList<int>{3};
    QTest::newRow("ten steps") << 10 << QList<int>{3, 5, 7, 9};
}

void RunTest::framesAtOddStepsFromThree() {
    QFETCH(int, steps);
    QFETCH(QList<int>, frameSteps);
    Experiment e = computedWith([](Experiment&) {});
    // Every run counts its frames afresh, even after a run that ended between two frames.
    for (int run = 0; run < 2; ++run) {
        std::optional<RunDriver> driver = RunDriver::begin(e);
        QList<int> frames;
        for (int i = 1; i <= steps; ++i)
            if (driver->step().drawsFrame) frames << i;
        QCOMPARE(frames, frameSteps);
    }
}

void RunTest::endsAtComputationTime_data() {
    QTest::addColumn<float>("T");
    QTest::addColumn<long long>("approximateSteps");
    // 6 s at the initial step of (1/4.5)/50 s.
    QTest::newRow("initial values") << 6.0F << 1350LL;
    QTest::newRow("shorter than a step") << 0.001F << 1LL;
    QTest::newRow("two and a half steps") << float(2.5 / 4.5 / 50) << 3LL;
    QTest::newRow("long run") << 60.0F << 13500LL;
}

// The run stops at the first step whose time reaches or passes T; the time accumulates by adding
// the step, so the count may differ by one from T/shag.
void RunTest::endsAtComputationTime() {
    QFETCH(float, T);
    QFETCH(long long, approximateSteps);
    Experiment e = computedWith([T](Experiment& x) { x.T = T; });
    std::optional<RunDriver> run = RunDriver::begin(e);
    double timeBeforeLastStep = 0;
    long long calls = 0;
    StepReport last{StepOutcome::GoOn, false};
    while (run->goesOn()) {
        timeBeforeLastStep = e.t;
        last = run->step();
        ++calls;
        if (last.outcome == StepOutcome::GoOn) QVERIFY(e.t < double(T));
    }
    QCOMPARE(last.outcome, StepOutcome::ReachedEnd);
    QCOMPARE(run->stepCount(), calls);
    QVERIFY(timeBeforeLastStep < double(T));
    QVERIFY(e.t >= double(T));
    QVERIFY(std::llabs(calls - approximateSteps) <= 1);
}

void RunTest::crankFromTimeBeforeStep() {
    Experiment e = computedWith([](Experiment&) {});
    std::optional<RunDriver> run = RunDriver::begin(e);
    run->step();
    QCOMPARE(e.kriv_x, 0.0);
    QCOMPARE(e.kriv_y, 0.005);
    const double angle = e.omega_v * e.t;
    run->step();
    QCOMPARE(e.kriv_x, 0.005 * std::sin(angle));
    QCOMPARE(e.kriv_y, 0.005 * std::cos(angle));

    // Without a crank the pin stays at the wheel centre.
    Experiment still = computedWith([](Experiment& x) { x.Xm = x.R_kolesa = 0; });
    run = RunDriver::begin(still);
    run->step();
    run->step();
    QCOMPARE(still.kriv_x, 0.0);
    QCOMPARE(still.kriv_y, 0.0);
}

void RunTest::failingRunsEndCleanly_data() {
    QTest::addColumn<Change>("change");
    QTest::addColumn<StepOutcome>("outcome");
    QTest::addColumn<long long>("steps");
    // Starting right at the limit and thrown upwards: the top of the ball passes the suspension
    // point in the first step, which is also the last one before T.
    QTest::newRow("touching in the last step") << Change([](Experiment& e) {
        e.X0 = e.Xm + e.d / 2;
        e.V0x = -1;
        e.T = 0.001F;
    }) << StepOutcome::Touched << 1LL;
    // Thrown upwards at 20 m/s from 0.25 m: the quadratic drag (koeff_v2 ≈ 1.92/m) alone would let
    // it rise ln(1 + koeff_v2·v0·t)/koeff_v2, about 0.215 m in three steps and 0.27 m in four,
    // so its top passes 0.0175 m in the fourth step.
    QTest::newRow("touching on the way up")
        << Change([](Experiment& e) { e.V0x = -20; }) << StepOutcome::Touched << 4LL;
    // Inputs the fields accept whose motion leaves the number range: a quadratic drag of
    // 1e60·koeff_v2 is beyond single precision at once; a huge mass moving at 1e5 m/s has an
    // energy beyond single precision while its coordinate is still finite.
    QTest::newRow("drag force overflows")
        << Change([](Experiment& e) { e.V0x = 1e30; }) << StepOutcome::NonFinite << 1LL;
    // A negative density of the medium (accepted with a warning) turns the drag into a push of
    // 1922·Vx² m/s²: the first step ends near 1e10 m/s, the second leaves the float range.
    QTest::newRow("negative density of the medium")
        << Change([](Experiment& e) { e.ro = -1e6; }) << StepOutcome::NonFinite << 2LL;
    QTest::newRow("energy overflows") << Change([](Experiment& e) {
        e.m = 1e30;
        e.V0x = 1e5;
    }) << StepOutcome::NonFinite << 1LL;
}

void RunTest::failingRunsEndCleanly() {
    QFETCH(Change, change);
    QFETCH(StepOutcome, outcome);
    QFETCH(long long, steps);
    Experiment e = computedWith(change);
    std::optional<RunDriver> run = RunDriver::begin(e);
    QVERIFY(run);
    const std::vector<StepReport> reports = runToEnd(*run);
    QCOMPARE(reports.back().outcome, outcome);
    QCOMPARE(run->stepCount(), steps);
    for (std::size_t i = 0; i + 1 < reports.size(); ++i)
        QCOMPARE(reports[i].outcome, StepOutcome::GoOn);
}

void RunTest::stepAfterEndChangesNothing() {
    Experiment e = computedWith([](Experiment& x) { x.V0x = -20; });
    std::optional<RunDriver> run = RunDriver::begin(e);
    runToEnd(*run);
    const Experiment after = e;
    const StepReport again = run->step();
    QCOMPARE(again.outcome, StepOutcome::Touched);
    QVERIFY(!again.drawsFrame);
    QCOMPARE(e.t, after.t);
    QCOMPARE(e.X_1, after.X_1);
    QCOMPARE(run->stepCount(), 4);
}

QTEST_GUILESS_MAIN(RunTest)
#include "tst_run.moc"
