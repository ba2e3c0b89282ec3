// The table of a run for a spreadsheet: it opens with the initial state at t = 0, and each time
// is the step's number times the step, however the run summed its time and however the record
// was thinned.

#include "model/motion.h"
#include "model/run_table.h"

#include <QtTest>

using namespace trelvix;

class RunTableTest : public QObject {
    Q_OBJECT

private slots:
    void firstRowIsTheInitialState();
    void timesAreStepNumbersTimesTheStep_data();
    void timesAreStepNumbersTimesTheStep();
};

namespace {

// A run of `steps` steps whose model time is summed as the run sums it, drifting in the last
// digits.
RunRecord recordOfSteps(int steps, std::size_t capacity, double step = 0.01) {
    Inputs in = initialInputs();
    in.X0 = 0.3;
    in.V0x = -0.25;
    Characteristics derived = deriveCharacteristics(in);
    derived.step = step;
    RunRecord record(in, derived, capacity);
    RunState s{0, in.X0, in.V0x, 0, 0, 0};
    for (int i = 0; i < steps; ++i) {
        s.t += step;
        s.X += 0.001;
        record.append(s);
    }
    return record;
}

QStringList rows(const RunRecord& record) {
    return QString::fromStdString(runTableText(record, ';', ",", "\n"))
        .split('\n', Qt::SkipEmptyParts);
}

double number(const QString& cell) {
    return QString(cell).replace(',', '.').toDouble();
}

} // namespace

void RunTableTest::firstRowIsTheInitialState() {
    const RunRecord record = recordOfSteps(3, 16);
    const QStringList table = rows(record);
    QCOMPARE(table.size(), 1 + 1 + 3);
    const QStringList first = table[1].split(';');
    QCOMPARE(first.size(), 4);
    const Inputs& in = record.inputs();
    const double Xg = record.derived().Xg;
    QCOMPARE(first[0], QString("0"));
    QCOMPARE(number(first[1]), in.X0 - Xg);
    QCOMPARE(number(first[2]), in.V0x);
    QCOMPARE(float(number(first[3])), mechanicalEnergy(in, Xg, in.X0, in.V0x));
    QVERIFY(float(number(first[3])) > 0);
    // The first step's row follows, with the ball moved by it.
    QCOMPARE(number(table[2].split(';')[1]), in.X0 + 0.001 - Xg);
}

void RunTableTest::timesAreStepNumbersTimesTheStep_data() {
    QTest::addColumn<int>("steps");
    QTest::addColumn<int>("capacity");
    QTest::addColumn<double>("step");
    QTest::addColumn<int>("row"); // 0: the initial state
    QTest::addColumn<QString>("time");
    QTest::newRow("first step") << 600 << 1024 << 0.01 << 1 << "0,01";
    QTest::newRow("six seconds, summed as 5.9999999999999165") << 600 << 1024 << 0.01 << 600 << "6";
    QTest::newRow("thinned: every 64th step kept") << 600 << 16 << 0.01 << 2 << "0,65";
    QTest::newRow("thinned, the last kept") << 600 << 16 << 0.01 << 10 << "5,77";
    QTest::newRow("ten significant digits") << 20 << 1024 << 1.0 / 7 << 20 << "2,857142857";
}

void RunTableTest::timesAreStepNumbersTimesTheStep() {
    QFETCH(int, steps);
    QFETCH(int, capacity);
    QFETCH(double, step);
    QFETCH(int, row);
    QFETCH(QString, time);
    const QStringList table = rows(recordOfSteps(steps, std::size_t(capacity), step));
    QVERIFY(1 + row < table.size());
    QCOMPARE(table[1 + row].split(';')[0], time);
}

QTEST_APPLESS_MAIN(RunTableTest)
#include "tst_run_table.moc"
