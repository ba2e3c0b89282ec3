// The record of a run: every step kept until it is full, then evenly thinned.

#include "model/run_record.h"
#include "model/stored_runs.h"

#include <QtTest>
#include <algorithm>
#include <cmath>

using namespace trelvix;

class RunRecordTest : public QObject {
    Q_OBJECT

private slots:
    void keepsEveryStepUntilFull();
    void thinsEvenlyBeyondItsCapacity_data();
    void thinsEvenlyBeyondItsCapacity();
    void keepsTheNewestFiveRuns();
    void notesTheExtremesOfEachBlock_data();
    void notesTheExtremesOfEachBlock();
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

// Values that repeat in a different rhythm for each quantity, so blocks hold equal extremes; the
// step `notANumberAt` has no coordinate.
RunRecord recordOfRepeatingValues(long long steps, std::size_t capacity, long long notANumberAt) {
    RunRecord record(initialInputs(), deriveCharacteristics(initialInputs()), capacity);
    for (long long i = 0; i < steps; ++i) {
        RunState s;
        s.t = double(i);
        s.X = i == notANumberAt ? std::nan("") : double(i * 37 % 11);
        s.Vx = -double(i * 13 % 7);
        s.W = float(i % 5);
        record.append(s);
    }
    return record;
}

// The offset of the earliest extreme of `quantity` among `length` samples from `first`.
std::size_t earliestExtreme(const RunSample* first, std::size_t length, SampleQuantity quantity,
                            bool highest) {
    std::size_t at = 0;
    for (std::size_t i = 1; i < length; ++i) {
        const double v = valueOf(first[i], quantity), best = valueOf(first[at], quantity);
        if (highest ? v > best : v < best) at = i;
    }
    return at;
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

void RunRecordTest::notesTheExtremesOfEachBlock_data() {
    QTest::addColumn<long long>("steps");
    QTest::addColumn<std::size_t>("capacity");
    QTest::addColumn<long long>("notANumberAt");
    QTest::newRow("whole blocks and a rest") << 3000LL << std::size_t(4096) << -1LL;
    QTest::newRow("after thinning twice") << 10000LL << std::size_t(4096) << -1LL;
    QTest::newRow("blocks of every level") << 70000LL << RunRecord::defaultCapacity << -1LL;
    QTest::newRow("a coordinate that is not a number") << 3000LL << std::size_t(4096) << 1100LL;
}

// Each whole block of each level knows which of its samples holds the earliest lowest and highest
// value, also after the samples were thinned out beneath it; a block holding a value that is not
// a number says so.
void RunRecordTest::notesTheExtremesOfEachBlock() {
    QFETCH(long long, steps);
    QFETCH(std::size_t, capacity);
    QFETCH(long long, notANumberAt);
    const RunRecord record = recordOfRepeatingValues(steps, capacity, notANumberAt);
    const std::vector<RunSample>& samples = record.samples();
    for (std::size_t level = 0; level < RunRecord::blockLevels; ++level) {
        const std::size_t length = RunRecord::blockLength(level);
        QCOMPARE(record.blocks(level).size(), samples.size() / length);
        for (std::size_t b = 0; b < record.blocks(level).size(); ++b) {
            const RunSample* first = samples.data() + b * length;
            const bool holdsNotANumber = std::any_of(
                first, first + length, [](const RunSample& s) { return std::isnan(s.X); });
            QCOMPARE(record.blocks(level)[b].finite, !holdsNotANumber);
            if (holdsNotANumber) continue;
            for (const SampleQuantity q :
                 {SampleQuantity::X, SampleQuantity::Vx, SampleQuantity::W})
                for (const bool highest : {false, true})
                    QCOMPARE(record.extremeSample(level, b, q, highest),
                             b * length + earliestExtreme(first, length, q, highest));
        }
    }
    QVERIFY(!record.blocks(steps > 40000 ? 2 : 1).empty());
}

QTEST_GUILESS_MAIN(RunRecordTest)
#include "tst_run_record.moc"
