// The program's command line, run as a separate process: its exit statuses and what it prints,
// and its results against the window's own.  The same experiment file gives the same results
// file byte for byte from `--run` as from the window with the file opened and «Файл» on, and
// `--characteristics` prints the captions the window shows.  Runs under a Russian locale (the
// child inherits it), where both write decimal commas.

#include "open_windows.h"
#include "recording_platform.h"
#include "shell/control_inventory.h"
#include "shell/main_window.h"
#include "test_files.h"

#include <QtTest>
#include <QtWidgets>

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
}

void CommandLineTest::exitStatuses_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<int>("errorLines");
    QTest::addColumn<bool>("printsResults"); // on standard output or into a.txt
    QTest::newRow("run") << QStringList{"--run", "--out", "a.txt", "good.trelvix"} << 0 << 0
                         << true;
    QTest::newRow("characteristics") << QStringList{"--characteristics"} << 0 << 0 << true;
    QTest::newRow("unknown option") << QStringList{"--bogus"} << 2 << 1 << false;
    QTest::newRow("two modes") << QStringList{"--run", "--characteristics"} << 2 << 1 << false;
    QTest::newRow("bad line") << QStringList{"--run", "--out", "a.txt", "bad.trelvix"} << 1 << 1
                              << false;
    QTest::newRow("missing file") << QStringList{"--run", "--out", "a.txt", "none.trelvix"} << 1
                                  << 1 << false;
    QTest::newRow("unknown name") << QStringList{"--run", "--out", "a.txt", "unknown.trelvix"} << 0
                                  << 1 << true;
}

void CommandLineTest::exitStatuses() {
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(int, errorLines);
    QFETCH(bool, printsResults);
    const Outcome outcome = runProgram(arguments);
    QCOMPARE(outcome.status, status);
    QCOMPARE(outcome.errorLines.size(), errorLines);
    if (errorLines == 1 && status == 0) QVERIFY(outcome.errorLines[0].contains("mass"));
    if (status == 1) QVERIFY(outcome.errorLines[0].contains(".trelvix"));
    QCOMPARE(!outcome.out.isEmpty() || QFile::exists(path("a.txt")), printsResults);
}

void CommandLineTest::sameResultsAsTheWindow_data() {
    QTest::addColumn<QByteArray>("texts");
    QTest::newRow("initial, short") << QByteArray("T = 0.1\n");
    QTest::newRow("pasted texts") << QByteArray("nu = 4,5\nk = 45.5 N/m\nT = 0.15\n");
    QTest::newRow("vacuum, refused X0") << QByteArray("ro = 0\neta = 0\nX0 = 0\nT = 0.2\n");
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

int main(int argc, char* argv[]) {
    qputenv("LC_ALL", "ru_RU.UTF-8");
    QApplication app(argc, argv);
    CommandLineTest test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_command_line.moc"
