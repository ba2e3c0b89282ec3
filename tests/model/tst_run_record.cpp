// The record of a run: every step kept until it is full, then evenly thinned.

#include "model/run_record.h"
#include "model/stored_runs.h"

#include <QtTest>

using namespace trelvix;

class RunRecordTest : public QObject {
    Q_OBJECT

private slots:
    void keepsEveryStepUntilFull();
    void thinsEvenlyBeyondItsCapacity_data();
    void thinsEvenlyBeyondItsCapacity();
    void keepsTheNewestFiveRuns();
};

namespace {

RunRecord recordOfSteps(long long steps, std::size_t capacity) {
    RunRecord record(initialInputs(), deriveCharacteristics(initialInputs()), capacity);
    for (long long i = 0; i < steps; ++i) {
        RunState s;
        s.t = double(i);
        s.X = 2.0 * double(i);
        s.crankX = 0.5;
        record.append(s);
    }
    return record;
}

} // namespace

void RunRecordTest::keepsEveryStepUntilFull() {
    const RunRecord record = recordOfSteps(16, 16);
    QVERIFY(!record.thinned());
    QCOMPARE(record.samples().size(), std::size_t(16));
    QCOMPARE(record.samples()[7].X, 14.0);
    QCOMPARE(record.samples()[7].crankX, 0.5F);
}

void RunRecordTest::thinsEvenlyBeyondItsCapacity_data() {
    QTest::addColumn<long long>("steps");
    QTest::newRow("one past full") << 17LL;
    QTest::newRow("many times over") << 1000LL;
    QTest::newRow("odd length") << 333LL;
}

// Whatever the length, the kept samples are the steps 0, n, 2n, … up to the last multiple of n,
// with at least half the capacity kept.
void RunRecordTest::thinsEvenlyBeyondItsCapacity() {
    QFETCH(long long, steps);
    const std::size_t capacity = 16;
    const RunRecord record = recordOfSteps(steps, capacity);
    QVERIFY(record.thinned());
    QCOMPARE(record.stepCount(), steps);
    const std::vector<RunSample>& samples = record.samples();
    QVERIFY(samples.size() <= capacity);
    QVERIFY(samples.size() >= capacity / 2);
    for (std::size_t i = 0; i < samples.size(); ++i)
        QCOMPARE(samples[i].t, double(i) * double(record.stride()));
    QCOMPARE(static_cast<long long>(samples.size()), (steps - 1) / record.stride() + 1);
}

void RunRecordTest::keepsTheNewestFiveRuns() {
    StoredRuns stored;
    for (long long steps = 1; steps <= 7; ++steps) {
        stored.keep(recordOfSteps(steps, 16));
        stored.keep(RunRecord()); // an empty record is not kept, and pushes none out
    }
    QCOMPARE(stored.runs().size(), StoredRuns::capacity);
    QCOMPARE(stored.runs().front().stepCount(), 3); // the first two dropped
    QCOMPARE(stored.runs().back().stepCount(), 7);
}

QTEST_GUILESS_MAIN(RunRecordTest)
#include "tst_run_record.moc"
