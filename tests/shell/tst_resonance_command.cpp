// trelvix --resonance as a user runs it: the program itself, started as a separate process, its
// standard output and error and its exit status.

#include "shell/main_window/window_texts.h"

#include <QtTest>

namespace {

struct Outcome {
    int status = -1;
    QByteArrayList lines; // of standard output
    QByteArrayList errors;
};

QByteArrayList linesOf(const QByteArray& text) {
    QByteArrayList lines = text.split('\n');
    if (!lines.isEmpty() && lines.back().isEmpty()) lines.removeLast();
    return lines;
}

// Under a Russian locale, where the C library would write decimal commas.
Outcome runProgram(const QStringList& arguments) {
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("LC_ALL", "ru_RU.UTF-8");
    environment.remove("DISPLAY");
    environment.remove("QT_QPA_PLATFORM");
    program.setProcessEnvironment(environment);
    program.start(TRELVIX_PROGRAM, arguments);
    if (!program.waitForFinished(60000)) return {};
    return {program.exitCode(), linesOf(program.readAllStandardOutput()),
            linesOf(program.readAllStandardError())};
}

QString experimentFile(const QTemporaryDir& dir, const QByteArray& lines) {
    const QString path = dir.filePath("set-up.trelvix");
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return {};
    file.write("trelvix experiment 1\n" + lines);
    return path;
}

// The significant digits of a number's text, leading zeros left out.
int significantDigits(QByteArray text) {
    text = text.split('e').first();
    text.replace('-', "").replace('.', "");
    while (text.startsWith('0'))
        text.remove(0, 1);
    return int(text.size());
}

} // namespace

class ResonanceCommandTest : public QObject {
    Q_OBJECT

private slots:
    void gridOfTheRangeAsCsv();
    void defaultRangeAroundTheFrequencyOfTheFile();
    void refusals_data();
    void refusals();
};

void ResonanceCommandTest::gridOfTheRangeAsCsv() {
    const Outcome out = runProgram({"--resonance", "--from", "2", "--to", "6", "--points", "5"});
    QCOMPARE(out.status, 0);
    QVERIFY(out.errors.isEmpty());
    QCOMPARE(out.lines.size(), 6);
    QCOMPARE(out.lines[0],
             QByteArray("nu_Hz,amplitude_m,phase_rad,amplitude_linear_m,phase_linear_rad,touches"));
    double highest = 0;
    double peakAt = 0;
    for (int i = 1; i < out.lines.size(); ++i) {
        const QByteArrayList cells = out.lines[i].split(','); // a decimal comma would add cells
        QCOMPARE(cells.size(), 6);
        QCOMPARE(cells[0].toDouble(), 2.0 + (i - 1));
        const double A = cells[1].toDouble();
        QVERIFY(A > 0 && std::isfinite(A));
        QVERIFY2(significantDigits(cells[1]) >= 7, cells[1].constData());
        QVERIFY(cells[5] == "0" || cells[5] == "1");
        if (A > highest) std::tie(highest, peakAt) = std::pair(A, cells[0].toDouble());
    }
    QCOMPARE(peakAt, 4.0); // the grid point next to the resonance at 3.98 Hz
}

// The default range runs from half to one and a half times ν0; a stiffer spring in the file
// doubles ν0 and so the range.
void ResonanceCommandTest::defaultRangeAroundTheFrequencyOfTheFile() {
    QTemporaryDir dir;
    const Outcome initial = runProgram({"--resonance"});
    const Outcome stiffer = runProgram({"--resonance", experimentFile(dir, "k = 160\n")});
    QCOMPARE(initial.status, 0);
    QCOMPARE(stiffer.status, 0);
    QCOMPARE(initial.lines.size(), 201);
    QCOMPARE(stiffer.lines.size(), 201);
    const double from = initial.lines[1].split(',')[0].toDouble();
    const double to = initial.lines.back().split(',')[0].toDouble();
    QVERIFY(qAbs(to / from - 3) < 1e-9);
    QVERIFY(qAbs(from - 0.5 * 25.03 / (2 * M_PI)) < 0.01);
    QVERIFY(qAbs(stiffer.lines[1].split(',')[0].toDouble() / from - 2) < 1e-9);
}

void ResonanceCommandTest::refusals_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("fileLines"); // an experiment file named last, if not empty
    QTest::addColumn<int>("status");
    QTest::newRow("points not a number") << QStringList{"--points", "five"} << QByteArray() << 2;
    QTest::newRow("from not a number") << QStringList{"--from", "abc"} << QByteArray() << 2;
    QTest::newRow("unknown option") << QStringList{"--step", "1"} << QByteArray() << 2;
    QTest::newRow("zero frequency") << QStringList{"--from", "0"} << QByteArray() << 2;
    QTest::newRow("from above to") << QStringList{"--from", "6", "--to", "2"} << QByteArray() << 2;
    QTest::newRow("one point") << QStringList{"--points", "1"} << QByteArray() << 2;
    QTest::newRow("bad experiment file") << QStringList{} << QByteArray("k 40\n") << 1;
    QTest::newRow("cannot be computed") << QStringList{} << QByteArray("k = 1e300\n") << 1;
}

// One line on standard error and nothing on standard output.
void ResonanceCommandTest::refusals() {
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, fileLines);
    QFETCH(int, status);
    QTemporaryDir dir;
    if (!fileLines.isEmpty()) arguments << experimentFile(dir, fileLines);
    const Outcome out = runProgram(QStringList{"--resonance"} + arguments);
    QCOMPARE(out.status, status);
    QVERIFY(out.lines.isEmpty());
    QCOMPARE(out.errors.size(), 1);
    if (QTest::currentDataTag() == QByteArray("cannot be computed"))
        QCOMPARE(QString::fromUtf8(out.errors[0]), trelvix::texts::cannotRunMessage());
}

QTEST_GUILESS_MAIN(ResonanceCommandTest)
#include "tst_resonance_command.moc"
