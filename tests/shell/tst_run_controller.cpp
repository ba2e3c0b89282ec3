// The run controller without any window: the steps it reports, how a run ends and the results
// file it writes.  The view has no slow-down, so the pauses take no time.

#include "model/characteristics.h"
#include "model/experiment.h"
#include "model/number_text.h"
#include "model/run.h"
#include "shell/run/run_controller.h"
#include "step_lines.h"

#include <QtTest>
#include <vector>

using namespace trelvix;

namespace {

// The initial experiment with the computation time T and the initial velocity V0x.
Experiment experiment(float T, double V0x = initialInputs().V0x) {
    Experiment e;
    e.inputs.T = T;
    e.inputs.V0x = V0x;
    e.derive();
    return e;
}

struct Step {
    double t;
    double X;
    bool drawsFrame;
    bool operator==(const Step&) const = default;
};

// The steps the run driver itself makes for the experiment, as the controller should report them.
std::vector<Step> referenceSteps(const Experiment& e) {
    std::optional<RunDriver> driver = RunDriver::begin(e.inputs, e.derived);
    std::vector<Step> steps;
    while (driver && driver->goesOn()) {
        const StepReport report = driver->step();
        steps.push_back({driver->state().t, driver->state().X, report.drawsFrame});
    }
    return steps;
}

// What a controller reported: every step and every end.
struct Reports {
    explicit Reports(RunController& run) {
        QObject::connect(&run, &RunController::stepped, &receiver,
                         [this](const RunState& s, bool drawsFrame) {
                             steps.push_back({s.t, s.X, drawsFrame});
                             states.push_back(s);
                         });
        QObject::connect(&run, &RunController::finished, &receiver,
                         [this](RunEnd end) { ends.push_back(end); });
    }
    std::vector<Step> steps;
    std::vector<RunState> states;
    std::vector<RunEnd> ends;
    QObject receiver;
};

} // namespace

class RunControllerTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        ViewSettings view;
        view.slowDown = 0;
        document_.setView(view, ViewChange::Pace);
    }
    void cleanup() { QVERIFY(QDir::setCurrent(QDir::tempPath())); }
    void runReachesItsTimeReportingEveryStep();
    void touchingEndsTheRun();
    void stopRequestedDuringAStepEndsTheRunAfterIt();
    void recordingWritesALinePerStepAndClosesTheFile();
    void inputsThatCannotRunAreRefusedSilently();
    void recordKeepsEveryStepItReported();
    void heldRunStepsOnlyWhenAsked();

private:
    ExperimentDocument document_;
};

void RunControllerTest::runReachesItsTimeReportingEveryStep() {
    const Experiment e = experiment(0.05F);
    RunController run(document_);
    Reports reports(run);
    QVERIFY(run.run(e.inputs, e.derived));
    QVERIFY(!run.isActive());
    QCOMPARE(reports.ends, std::vector<RunEnd>{RunEnd::ReachedEnd});
    const std::vector<Step> expected = referenceSteps(e);
    QVERIFY(expected.size() > 5);
    QVERIFY(reports.steps == expected);
    QVERIFY(reports.steps.back().t >= double(e.inputs.T));
}

void RunControllerTest::touchingEndsTheRun() {
    const Experiment e = experiment(6, -20); // thrown up towards the wheel
    RunController run(document_);
    Reports reports(run);
    QVERIFY(run.run(e.inputs, e.derived));
    QCOMPARE(reports.ends, std::vector<RunEnd>{RunEnd::Touched});
    QVERIFY(reports.steps == referenceSteps(e)); // the touching step is reported too
    QVERIFY(reports.steps.back().X < e.inputs.Xm + e.inputs.ballRadius());
}

void RunControllerTest::stopRequestedDuringAStepEndsTheRunAfterIt() {
    const Experiment e = experiment(0.05F);
    RunController run(document_);
    Reports reports(run);
    const QMetaObject::Connection stopper =
        QObject::connect(&run, &RunController::stepped, &run, [&] {
            if (reports.steps.size() != 3) return;
            run.requestStop();
            // A run still finishing cannot be replaced by a new one.
            QCOMPARE(run.phase(), RunPhase::Stopping);
            QVERIFY(!run.run(e.inputs, e.derived));
        });
    QVERIFY(run.run(e.inputs, e.derived));
    QCOMPARE(reports.ends, std::vector<RunEnd>{RunEnd::Stopped});
    QCOMPARE(reports.steps.size(), std::size_t(3));
    QCOMPARE(run.phase(), RunPhase::Idle);

    // The next run starts afresh, without the old request.
    reports.steps.clear();
    QObject::disconnect(stopper);
    QVERIFY(run.run(e.inputs, e.derived));
    QCOMPARE(reports.ends.back(), RunEnd::ReachedEnd);
    QCOMPARE(reports.steps.size(), referenceSteps(e).size());
}

void RunControllerTest::recordingWritesALinePerStepAndClosesTheFile() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(QDir::setCurrent(dir.path())); // the results file goes to the current folder
    const Experiment e = experiment(0.05F);
    RunController run(document_);
    Reports reports(run);
    std::array<HeaderRow, allInputs.size()> header;
    header.fill(HeaderRow{"key", "text"});
    QVERIFY(run.startRecording(header));
    QVERIFY(run.isRecording());
    // A step's line is in the file before the step is drawn.
    std::vector<qint64> sizeWhenDrawn;
    QObject::connect(&run, &RunController::stepped, [&] {
        sizeWhenDrawn.push_back(QFileInfo(QString::fromStdString(run.resultsFile().path())).size());
    });
    QVERIFY(run.run(e.inputs, e.derived));
    QVERIFY(!run.isRecording());
    QVERIFY(!run.resultsFile().isOpen());

    QFile file(QString::fromStdString(run.resultsFile().path()));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const CrlfLines text = splitCrlf(file.readAll());
    QVERIFY(text.lastLineWhole);
    QCOMPARE(text.lines.size(), qsizetype(headerLineCount + reports.states.size()));
    for (std::size_t i = 0; i < reports.states.size(); ++i) {
        const RunState& s = reports.states[i];
        QByteArrayList items;
        for (double v : {s.t, s.X - e.derived.Xg, s.Vx, double(s.W)})
            items << QByteArray::fromStdString(formatNumber(v, "0.0000e+00"));
        QCOMPARE(text.lines[headerLineCount + qsizetype(i)].simplified(), items.join(' '));
    }
    const qint64 headerBytes = text.lines.mid(0, headerLineCount).join("\r\n").size() + 2;
    for (std::size_t i = 0; i < sizeWhenDrawn.size(); ++i) {
        qint64 through = headerBytes;
        for (std::size_t j = 0; j <= i; ++j)
            through += text.lines[headerLineCount + qsizetype(j)].size() + 2;
        QCOMPARE(sizeWhenDrawn[i], through);
    }
}

void RunControllerTest::inputsThatCannotRunAreRefusedSilently() {
    Experiment e = experiment(0.05F);
    e.inputs.k = 1e300; // a step far too small ever to reach T
    e.derive();
    QVERIFY(!canRun(e.inputs, e.derived));
    RunController run(document_);
    Reports reports(run);
    QVERIFY(!run.run(e.inputs, e.derived));
    QVERIFY(reports.steps.empty());
    QVERIFY(reports.ends.empty());
    QVERIFY(!run.isActive());
}

void RunControllerTest::recordKeepsEveryStepItReported() {
    const Experiment e = experiment(0.05F);
    RunController run(document_);
    Reports reports(run);
    QVERIFY(run.run(e.inputs, e.derived));
    const std::vector<RunSample>& samples = run.record().samples();
    QCOMPARE(samples.size(), reports.states.size());
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const RunState& s = reports.states[i];
        QCOMPARE(samples[i].t, s.t);
        QCOMPARE(samples[i].X, s.X);
        QCOMPARE(samples[i].Vx, s.Vx);
        QCOMPARE(samples[i].W, s.W);
        QCOMPARE(samples[i].crankY, float(s.crankY));
    }
    QCOMPARE(run.record().inputs().T, e.inputs.T);
}

// Held after the third step, the run makes no step of its own; each step asked for is one step,
// after which it is held again; continued, it runs to the same end as an unheld run.
void RunControllerTest::heldRunStepsOnlyWhenAsked() {
    const Experiment e = experiment(0.05F);
    RunController run(document_);
    Reports reports(run);
    std::vector<bool> holds;
    QObject::connect(&run, &RunController::holdChanged, &run,
                     [&](bool held) { holds.push_back(held); });
    QObject::connect(&run, &RunController::stepped, &run, [&] {
        if (reports.steps.size() == 3 && holds.empty()) run.hold();
    });
    std::vector<std::size_t> seen;
    for (int i = 1; i <= 4; ++i)
        QTimer::singleShot(20 * i, &run, [&, i] {
            seen.push_back(reports.steps.size());
            QVERIFY(run.isHeld());
            if (i < 4)
                run.stepOnce();
            else
                run.proceed();
        });
    QVERIFY(run.run(e.inputs, e.derived));
    QCOMPARE(seen, (std::vector<std::size_t>{3, 4, 5, 6}));
    QCOMPARE(holds, (std::vector<bool>{true, false}));
    QVERIFY(reports.steps == referenceSteps(e));
    QCOMPARE(reports.ends, std::vector<RunEnd>{RunEnd::ReachedEnd});
}

QTEST_GUILESS_MAIN(RunControllerTest)
#include "tst_run_controller.moc"
