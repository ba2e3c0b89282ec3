#include "model/experiment.h"
#include "model/run.h"

#include <QtTest>
#include <cmath>
#include <functional>

using namespace trelvix;

namespace {

using Change = std::function<void(Experiment&)>;

Experiment computedWith(const Change& change) {
    Experiment e;
    change(e);
    e.derive();
    return e;
}

std::optional<RunDriver> begin(const Experiment& e) {
    return RunDriver::begin(e.inputs, e.derived);
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
    void refusesRunsItCannotCompute_data();
    void refusesRunsItCannotCompute();
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
    std::optional<RunDriver> run = begin(e);
    QVERIFY(run);
    QCOMPARE(run->state().t, 0.0);
    QCOMPARE(run->state().X, 0.25);
    QCOMPARE(run->state().Vx, 1.0);
    QVERIFY(run->goesOn());
    QCOMPARE(run->stepCount(), 0);
    // The run computes with its own copy: an edit of the fields during the run does not reach it.
    const double step = e.derived.step;
    e.inputs.X0 = 9;
    e.derived.step = 1;
    QCOMPARE(run->inputs().X0, 0.25);
    QCOMPARE(run->derived().step, step);
}

void RunTest::refusesRunsItCannotCompute_data() {
    QTest::addColumn<Change>("change");
    // T so large that adding a step no longer changes the model time: the loop would never end.
    QTest::newRow("time step lost at T") << Change([](Experiment& e) { e.inputs.T = 1e20F; });
    // Derived values that the integration cannot use.
    QTest::newRow("no step") << Change([](Experiment& e) { e.derived.step = 0; });
    QTest::newRow("step not a number") << Change([](Experiment& e) { e.derived.step = NAN; });
    QTest::newRow("infinite coefficient")
        << Change([](Experiment& e) { e.derived.omega_0_sq = INFINITY; });
}

void RunTest::refusesRunsItCannotCompute() {
    QFETCH(Change, change);
    Experiment e = computedWith([](Experiment&) {});
    change(e);
    QVERIFY(!canRun(e.inputs, e.derived));
    QVERIFY(!begin(e));
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
    const Experiment e = computedWith([](Experiment&) {});
    // Every run counts its frames afresh, even after a run that ended between two frames.
    for (int run = 0; run < 2; ++run) {
        std::optional<RunDriver> driver = begin(e);
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
// the step, so the count may differ by one from T/step.
void RunTest::endsAtComputationTime() {
    QFETCH(float, T);
    QFETCH(long long, approximateSteps);
    const Experiment e = computedWith([T](Experiment& x) { x.inputs.T = T; });
    std::optional<RunDriver> run = begin(e);
    double timeBeforeLastStep = 0;
    long long calls = 0;
    StepReport last{StepOutcome::GoOn, false};
    while (run->goesOn()) {
        timeBeforeLastStep = run->state().t;
        last = run->step();
        ++calls;
        if (last.outcome == StepOutcome::GoOn) QVERIFY(run->state().t < double(T));
    }
    QCOMPARE(last.outcome, StepOutcome::ReachedEnd);
    QCOMPARE(run->stepCount(), calls);
    QVERIFY(timeBeforeLastStep < double(T));
    QVERIFY(run->state().t >= double(T));
    QVERIFY(std::llabs(calls - approximateSteps) <= 1);
}

void RunTest::crankFromTimeBeforeStep() {
    const Experiment e = computedWith([](Experiment&) {});
    std::optional<RunDriver> run = begin(e);
    run->step();
    QCOMPARE(run->state().crankX, 0.0);
    QCOMPARE(run->state().crankY, 0.005);
    const double angle = e.derived.omega_v * run->state().t;
    run->step();
    QCOMPARE(run->state().crankX, 0.005 * std::sin(angle));
    QCOMPARE(run->state().crankY, 0.005 * std::cos(angle));

    // Without a crank the pin stays at the wheel centre.
    const Experiment still = computedWith([](Experiment& x) { x.inputs.Xm = 0; });
    run = begin(still);
    run->step();
    run->step();
    QCOMPARE(run->state().crankX, 0.0);
    QCOMPARE(run->state().crankY, 0.0);
}

void RunTest::failingRunsEndCleanly_data() {
    QTest::addColumn<Change>("change");
    QTest::addColumn<StepOutcome>("outcome");
    QTest::addColumn<long long>("steps");
    // Starting right at the limit and thrown upwards: the top of the ball passes the suspension
    // point in the first step, which is also the last one before T.
    QTest::newRow("touching in the last step") << Change([](Experiment& e) {
        e.inputs.X0 = e.inputs.Xm + e.inputs.d / 2;
        e.inputs.V0x = -1;
        e.inputs.T = 0.001F;
    }) << StepOutcome::Touched << 1LL;
    // Thrown upwards at 20 m/s from 0.25 m: the quadratic drag (quadraticDrag ≈ 1.92/m) alone
    // would let it rise ln(1 + quadraticDrag·v0·t)/quadraticDrag, about 0.215 m in three steps
    // and 0.27 m in four, so its top passes 0.0175 m in the fourth step.
    QTest::newRow("touching on the way up")
        << Change([](Experiment& e) { e.inputs.V0x = -20; }) << StepOutcome::Touched << 4LL;
    // Inputs the fields accept whose motion leaves the number range: a quadratic drag of
    // 1e60·quadraticDrag is beyond single precision at once; a huge mass moving at 1e5 m/s has
    // an energy beyond single precision while its coordinate is still finite.
    QTest::newRow("drag force overflows")
        << Change([](Experiment& e) { e.inputs.V0x = 1e30; }) << StepOutcome::NonFinite << 1LL;
    // A negative density of the medium (accepted with a warning) turns the drag into a push of
    // 1922·Vx² m/s²: the first step ends near 1e10 m/s, the second leaves the float range.
    QTest::newRow("negative density of the medium")
        << Change([](Experiment& e) { e.inputs.ro = -1e6; }) << StepOutcome::NonFinite << 2LL;
    QTest::newRow("energy overflows") << Change([](Experiment& e) {
        e.inputs.m = 1e30;
        e.inputs.V0x = 1e5;
    }) << StepOutcome::NonFinite << 1LL;
}

void RunTest::failingRunsEndCleanly() {
    QFETCH(Change, change);
    QFETCH(StepOutcome, outcome);
    QFETCH(long long, steps);
    const Experiment e = computedWith(change);
    std::optional<RunDriver> run = begin(e);
    QVERIFY(run);
    const std::vector<StepReport> reports = runToEnd(*run);
    QCOMPARE(reports.back().outcome, outcome);
    QCOMPARE(run->stepCount(), steps);
    for (std::size_t i = 0; i + 1 < reports.size(); ++i)
        QCOMPARE(reports[i].outcome, StepOutcome::GoOn);
}

void RunTest::stepAfterEndChangesNothing() {
    const Experiment e = computedWith([](Experiment& x) { x.inputs.V0x = -20; });
    std::optional<RunDriver> run = begin(e);
    runToEnd(*run);
    const RunState after = run->state();
    const StepReport again = run->step();
    QCOMPARE(again.outcome, StepOutcome::Touched);
    QVERIFY(!again.drawsFrame);
    QCOMPARE(run->state().t, after.t);
    QCOMPARE(run->state().X, after.X);
    QCOMPARE(run->stepCount(), 4);
}

QTEST_GUILESS_MAIN(RunTest)
#include "tst_run.moc"
