// The program's command line, run as a separate process: its exit statuses and what it prints,
// and its results against the window's own.  The same experiment file gives the same results
// file byte for byte from `--run` as from the window with the file opened and «Файл» on, and
// `--characteristics` prints the captions the window shows.  Runs under a Russian locale (the
// child inherits it), where both write decimal commas.

#include "open_windows.h"
#include "recording_platform.h"
#include "shell/main_window/control_inventory.h"
#include "shell/main_window/main_window.h"
#include "test_files.h"

#include <QtTest>
#include <QtWidgets>
#include <sys/stat.h>

using namespace trelvix;

namespace {

struct Outcome {
    int status = -1;
    QByteArray out;
    QStringList errorLines;
};

Outcome runProgram(const QStringList& arguments) {
    QProcess program;
    program.start(QStringLiteral(TRELVIX_PROGRAM), arguments);
    Outcome outcome;
    if (!program.waitForFinished(60000)) return outcome;
    outcome.status = program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -1;
    outcome.out = program.readAllStandardOutput();
    outcome.errorLines =
        QString::fromUtf8(program.readAllStandardError()).split('\n', Qt::SkipEmptyParts);
    return outcome;
}

} // namespace

class CommandLineTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void exitStatuses_data();
    void exitStatuses();
    void sameResultsAsTheWindow_data();
    void sameResultsAsTheWindow();
    void englishSaysNoRussian_data();
    void englishSaysNoRussian();
    void englishResultsFileKeepsTheNumbers();
    void characteristicsInEnglish();

private:
    QString path(const QString& name) const { return workDir_->filePath(name); }

    std::unique_ptr<QTemporaryDir> workDir_;
};

void CommandLineTest::init() {
    workDir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(QDir::setCurrent(workDir_->path()));
    writeFile(path("good.trelvix"), "trelvix experiment 1\nT = 0.1\n");
    writeFile(path("bad.trelvix"), "trelvix experiment 1\nT = 0.1\nk: 40\n");
    writeFile(path("unknown.trelvix"), "trelvix experiment 1\nT = 0.1\nmass = 2\n");
    writeFile(path("undefined.trelvix"), "trelvix experiment 1\neta = -1e999\n");
    writeFile(path("refused.trelvix"), "trelvix experiment 1\nm = abc\nT = -1\n");
    writeFile(path("touching.trelvix"), "trelvix experiment 1\nV0x = -100\nT = 1\n");
    QCOMPARE(mkfifo(path("pipe.trelvix").toLocal8Bit().constData(), 0600), 0);
}

// `says`: a text the first error line holds or, without errors, standard output.
void CommandLineTest::exitStatuses_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<int>("errorLines");
    QTest::addColumn<bool>("printsResults"); // on standard output or into a.txt
    QTest::addColumn<QString>("says");
    const QStringList run{"--run", "--out", "a.txt"};
    QTest::newRow("run") << run + QStringList{"good.trelvix"} << 0 << 0 << true << "";
    QTest::newRow("characteristics") << QStringList{"--characteristics"} << 0 << 0 << true << "";
    QTest::newRow("help on standard output")
        << QStringList{"--help"} << 0 << 0 << true << "3 — расчёт --run прерван";
    QTest::newRow("unknown option") << QStringList{"--bogus"} << 2 << 1 << false << "bogus";
    QTest::newRow("unknown language")
        << QStringList{"--lang", "xx"} << 2 << 1 << false << "«xx»; есть: ru, en";
    QTest::newRow("two modes") << QStringList{"--run", "--characteristics"} << 2 << 1 << false
                               << "один режим";
    QTest::newRow("out without run")
        << QStringList{"--characteristics", "--out", "a.txt"} << 2 << 1 << false << "--out";
    QTest::newRow("frequency not a number")
        << QStringList{"--resonance", "--from", "abc"} << 2 << 1 << false << "не число: abc";
    QTest::newRow("infinite frequency")
        << QStringList{"--resonance", "--to", "inf"} << 2 << 1 << false << "не конечное число";
    QTest::newRow("too many points")
        << QStringList{"--resonance", "--points", "99999999999"} << 2 << 1 << false << "не больше";
    QTest::newRow("decimal commas")
        << QStringList{"--resonance", "--from", "4,5", "--to", "5,5", "--points", "2"} << 0 << 0
        << true << "4.5";
    QTest::newRow("bad line") << run + QStringList{"bad.trelvix"} << 1 << 1 << false
                              << "bad.trelvix";
    QTest::newRow("missing file") << run + QStringList{"none.trelvix"} << 1 << 1 << false
                                  << "файл не найден";
    QTest::newRow("named pipe") << QStringList{"--characteristics", "pipe.trelvix"} << 1 << 1
                                << false << "канал";
    QTest::newRow("refused values")
        << run + QStringList{"refused.trelvix"} << 1 << 2 << false
        << "Файл эксперимента «refused.trelvix», строка 2, m (масса шара): «abc» — не число";
    // A viscosity of huge negative value: the decrement is -oo · 0.
    QTest::newRow("undefined decrement") << QStringList{"--characteristics", "undefined.trelvix"}
                                         << 0 << 0 << true << "Θ не определено";
    QTest::newRow("unknown name") << run + QStringList{"unknown.trelvix"} << 0 << 1 << true
                                  << "mass";
    // The file keeps the steps up to the touch.
    QTest::newRow("ball touches") << run + QStringList{"touching.trelvix"} << 3 << 1 << true
                                  << "Шар коснулся точки подвеса";
}

void CommandLineTest::exitStatuses() {
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(int, errorLines);
    QFETCH(bool, printsResults);
    QFETCH(QString, says);
    const Outcome outcome = runProgram(arguments);
    QCOMPARE(outcome.status, status);
    QCOMPARE(outcome.errorLines.size(), errorLines);
    const QString said = errorLines > 0 ? outcome.errorLines[0] : QString::fromUtf8(outcome.out);
    QVERIFY2(said.contains(says), qPrintable(said));
    QCOMPARE(!outcome.out.isEmpty() || QFile::exists(path("a.txt")), printsResults);
}

void CommandLineTest::sameResultsAsTheWindow_data() {
    QTest::addColumn<QByteArray>("texts");
    QTest::newRow("initial, short") << QByteArray("T = 0.1\n");
    QTest::newRow("pasted texts") << QByteArray("nu = 4,5\nk = 45.5 N/m\nT = 0.15\n");
    QTest::newRow("vacuum") << QByteArray("ro = 0\neta = 0\nT = 0.2\n");
    QTest::newRow("quadratic drag, no drive")
        << QByteArray("c = 1.2\nro = 1000\nXm = 0\nV0x = 0.5\nT = 0.1\n");
}

void CommandLineTest::sameResultsAsTheWindow() {
    QFETCH(QByteArray, texts);
    writeFile(path("lab1.trelvix"), "trelvix experiment 1\n" + texts);
    const Outcome run = runProgram({"--run", "--out", "a.txt", "lab1.trelvix"});
    QCOMPARE(run.status, 0);
    const Outcome shown = runProgram({"--characteristics", "lab1.trelvix"});
    QCOMPARE(shown.status, 0);

    RecordingPlatform platform;
    MainWindow window(platform.platform());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.openExperimentFile(path("lab1.trelvix"));
    // The refusals the window shows in boxes, the command line prints one per line.
    QStringList refusals;
    for (const PlatformEvent& event : platform.events)
        if (event.kind == PlatformEvent::Kind::Message && event.title == "Ошибка")
            refusals << event.text;
    QCOMPARE(run.errorLines, refusals);
    window.controls().resultsFileBox->setChecked(true);
    window.startOrStop();
    const QByteArray fromWindow = fileBytes(path("trelvix_out.txt"));
    QVERIFY(!fromWindow.isEmpty());
    QCOMPARE(fileBytes(path("a.txt")), fromWindow);

    // Each printed line is the window's caption with its Greek letter in front.
    const QStringList lines = QString::fromUtf8(shown.out).split('\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), int(resultRows.size()));
    for (std::size_t i = 0; i < resultRows.size(); ++i) {
        const QString caption = window.controls().result(resultRows[i].result)->text().trimmed();
        QVERIFY2(lines[int(i)].trimmed().endsWith(caption),
                 qPrintable(lines[int(i)] + " / " + caption));
    }
    QVERIFY(lines.join('\n').contains(',')); // the locale's decimal comma
}

// Everything the program says in English, from its own texts, Qt's parser and the model's
// reasons, has no Russian letter.
void CommandLineTest::englishSaysNoRussian_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("help") << QStringList{"--help"};
    QTest::newRow("Qt's usage error") << QStringList{"--bogus"};
    QTest::newRow("own usage error") << QStringList{"--run", "--characteristics"};
    QTest::newRow("frequency not a number") << QStringList{"--resonance", "--from", "abc"};
    QTest::newRow("missing file") << QStringList{"--run", "none.trelvix"};
    QTest::newRow("named pipe") << QStringList{"--characteristics", "pipe.trelvix"};
    QTest::newRow("unknown name") << QStringList{"--run", "--out", "a.txt", "unknown.trelvix"};
}

void CommandLineTest::englishSaysNoRussian() {
    QFETCH(QStringList, arguments);
    const Outcome outcome = runProgram(QStringList{"--lang", "en"} + arguments);
    const QString said = QString::fromUtf8(outcome.out) + outcome.errorLines.join('\n');
    QVERIFY(!said.isEmpty());
    QVERIFY2(!said.contains(QRegularExpression("\\p{Cyrillic}")), qPrintable(said));
}

// The language changes the texts of the results file's header, never a byte of its numbers.
void CommandLineTest::englishResultsFileKeepsTheNumbers() {
    writeFile(path("lab1.trelvix"), "trelvix experiment 1\nnu = 4,5\nT = 0.1\n");
    QCOMPARE(runProgram({"--run", "--out", "ru.txt", "lab1.trelvix"}).status, 0);
    QCOMPARE(runProgram({"--run", "--lang", "en", "--out", "en.txt", "lab1.trelvix"}).status, 0);
    const QList<QByteArray> russian = fileBytes(path("ru.txt")).split('\n');
    const QList<QByteArray> english = fileBytes(path("en.txt")).split('\n');
    const qsizetype header = 1 + qsizetype(allInputs.size()) + 2;
    QVERIFY(russian.size() > header + 10);
    QCOMPARE(english.mid(header), russian.mid(header));
    QVERIFY(russian[header].contains(',')); // the desktop's decimal comma in both
    // The headings and the column titles: translated, and in the file's code page plain Latin.
    for (qsizetype i : {qsizetype(0), header - 2, header - 1}) {
        QVERIFY2(english[i] != russian[i], russian[i].constData());
        QVERIFY2(std::all_of(english[i].begin(), english[i].end(),
                             [](char c) { return c > 0 && c < 0x7F; }),
                 english[i].constData());
    }
}

// `--lang en` prints the fifteen captions in English, each with the number the Russian one has.
void CommandLineTest::characteristicsInEnglish() {
    const Outcome russian = runProgram({"--characteristics"});
    const Outcome english = runProgram({"--characteristics", "--lang", "en"});
    QCOMPARE(english.status, 0);
    const QStringList lines = QString::fromUtf8(english.out).split('\n', Qt::SkipEmptyParts);
    const QStringList russianLines = QString::fromUtf8(russian.out).split('\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), int(resultRows.size()));
    QCOMPARE(russianLines.size(), lines.size());
    const QRegularExpression number(QStringLiteral("[-\\d,]+E[-+]\\d+|[-\\d,]+e[-+]\\d+"));
    for (int i = 0; i < lines.size(); ++i) {
        QVERIFY2(!lines[i].contains(QRegularExpression(QStringLiteral("[\\x{0400}-\\x{04FF}]"))),
                 qPrintable(lines[i]));
        QCOMPARE(number.match(lines[i]).captured(), number.match(russianLines[i]).captured());
    }
    QVERIFY(lines.contains(QStringLiteral("ωo = 2,503E+01 rad/s")));
    QVERIFY(lines.contains(QStringLiteral("η_cr = 1,357E+01 Pa·s")));
}

int main(int argc, char* argv[]) {
    qputenv("LC_ALL", "ru_RU.UTF-8");
    QApplication app(argc, argv);
    CommandLineTest test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_command_line.moc"
