// The results file when the system fails the program: a file system that fills up in the middle
// of a run (a tiny tmpfs where mounting is allowed, a file size limit anywhere), and the program
// killed in the middle of a run.

#include "file_size_limit.h"
#include "last_step.h"
#include "model/number_text.h"
#include "model/results_file.h"
#include "model/run.h"
#include "recording_platform.h"
#include "shell/main_window/main_window.h"
#include "shell/main_window/window_texts.h"
#include "step_lines.h"

#include <QtTest>
#include <QtWidgets>
#include <cerrno>
#include <cstring>
#include <sched.h>
#include <sys/mount.h>

using namespace trelvix;

namespace {

// The results file may grow to one page: the header and some sixty step lines.
constexpr int roomForTheFile = 4096;

enum class FullDisk { Tmpfs, FileSizeLimit };

// Mounts made from now on stay in a mount namespace of this process: the host never sees them,
// and they vanish with the process even if it crashes.  Needs the right to mount (root).
bool enterPrivateMountNamespace() {
    return unshare(CLONE_NEWNS) == 0 &&
           mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
}

// A file system of `bytes` mounted on `dir` for the life of the object.
class TinyTmpfs {
public:
    TinyTmpfs(const QString& dir, int bytes) : dir_(dir.toLocal8Bit()) {
        const QByteArray options = "size=" + QByteArray::number(bytes);
        mounted_ = mount("tmpfs", dir_.constData(), "tmpfs", 0, options.constData()) == 0;
    }
    ~TinyTmpfs() {
        if (mounted_) umount2(dir_.constData(), MNT_DETACH);
    }
    bool mounted() const { return mounted_; }

private:
    QByteArray dir_;
    bool mounted_ = false;
};

void enter(QLineEdit* field, const QString& text) {
    field->selectAll();
    field->insert(text);
}

QByteArray contentsOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

int stepLinesIn(const QString& path) {
    return std::max(0, int(splitCrlf(contentsOf(path)).lines.size()) - headerLineCount);
}

// The line the results file holds for the state after a step.
QByteArray expectedLine(const RunState& s, double Xg) {
    QByteArrayList items;
    for (double v : {s.t, s.X - Xg, s.Vx, double(s.W)})
        items << QByteArray::fromStdString(formatNumber(v, "0.0000e+00"));
    return items.join(' ');
}

// The time in the last whole line of the program's reports; minus infinity before the first.
double lastReportedTime(const QByteArray& reports) {
    const QByteArrayList lines = reports.split('\n'); // the last item is empty or still growing
    return lines.size() < 2 ? -HUGE_VAL : lines[lines.size() - 2].toDouble();
}

} // namespace

class FileFaultsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void fileSystemFullInTheMiddleOfARun_data();
    void fileSystemFullInTheMiddleOfARun();
    void killedInTheMiddleOfARun();
    void cleanup();

private:
    bool privateMounts_ = false;
    std::unique_ptr<QTemporaryDir> workDir_;
};

void FileFaultsTest::initTestCase() {
    privateMounts_ = enterPrivateMountNamespace();
    if (!privateMounts_)
        qInfo("no right to mount (%s): the tmpfs case is skipped", strerror(errno));
}

void FileFaultsTest::fileSystemFullInTheMiddleOfARun_data() {
    QTest::addColumn<FullDisk>("fullDisk");
    QTest::addColumn<QString>("reason");
    QTest::newRow("tmpfs") << FullDisk::Tmpfs << "на диске нет места";
    QTest::newRow("file size limit") << FullDisk::FileSizeLimit << "файл слишком велик";
}

// The student is told once, with the file's name and the system's reason, "Файл" goes off, and
// the run goes on to its computation time.
void FileFaultsTest::fileSystemFullInTheMiddleOfARun() {
    QFETCH(FullDisk, fullDisk);
    QFETCH(QString, reason);
    workDir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(workDir_->isValid());
    std::optional<TinyTmpfs> tmpfs;
    if (fullDisk == FullDisk::Tmpfs) {
        if (!privateMounts_) QSKIP("mounting is not allowed here");
        tmpfs.emplace(workDir_->path(), roomForTheFile);
        QVERIFY2(tmpfs->mounted(), strerror(errno));
    }
    QVERIFY(QDir::setCurrent(workDir_->path()));

    RecordingPlatform platform;
    MainWindow window(platform.platform());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const LastStep last(window);
    enter(window.controls().field(Input::T), "0.5"); // over a hundred steps, some sixty fit
    window.controls().resultsFileBox->click();
    QVERIFY(window.controls().resultsFileBox->isChecked());
    platform.clear();

    bool runGoesOnBehindTheBox = false;
    platform.whileOpen = [&](const PlatformEvent&) {
        runGoesOnBehindTheBox = window.running() &&
                                !window.controls().resultsFileBox->isChecked() &&
                                stepLinesIn(resultsFileName) > 0;
    };
    {
        std::optional<FileSizeLimit> limit;
        if (fullDisk == FullDisk::FileSizeLimit) limit.emplace(roomForTheFile);
        window.startOrStop();
    }

    const QString message = texts::fileErrorMessage(resultsFileName, reason);
    QCOMPARE(platform.log(), (QStringList{texts::errorTitle() + ": " + message, "tone 50"}));
    QVERIFY(runGoesOnBehindTheBox);
    QVERIFY(last.state.t >= double(window.inputs().T));
    QCOMPARE(window.controls().startButton->text(), texts::startCaption());
    QVERIFY(!window.controls().resultsFileBox->isChecked());
}

// SIGKILL leaves no chance to flush or close anything: every line up to the last step must
// already be in the file, the last one whole, and each the line of its step.  The program
// reports the model time of its steps as it goes; it is killed about a second into the run,
// right after a report, and its file must reach the last time reported.
void FileFaultsTest::killedInTheMiddleOfARun() {
    // The same experiment as the program's, from the same start-up.
    RecordingPlatform platform;
    MainWindow window(platform.platform());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const Experiment& e = window.experiment();
    std::optional<RunDriver> reference = RunDriver::begin(e.inputs, e.derived);
    QVERIFY(reference);
    const double killTime = 100 * e.derived.step; // a hundred steps with a 10 ms pause each

    workDir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(workDir_->isValid());
    QProcess program;
    program.setWorkingDirectory(workDir_->path());
    program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    program.start(RUN_WITH_RESULTS_FILE, {});
    QVERIFY(program.waitForStarted());
    QByteArray reports;
    const auto reportedTime = [&] {
        reports += program.readAllStandardOutput();
        return lastReportedTime(reports);
    };
    QTRY_VERIFY_WITH_TIMEOUT(reportedTime() >= killTime, 60000);
    QCOMPARE(program.state(), QProcess::Running); // still in the run, far from its end
    program.kill();
    QVERIFY(program.waitForFinished());

    const CrlfLines text = splitCrlf(contentsOf(workDir_->filePath(resultsFileName)));
    QVERIFY(text.lastLineWhole);
    for (qsizetype i = headerLineCount; i < text.lines.size(); ++i) {
        reference->step();
        QVERIFY2(isStepLine(text.lines[i]), text.lines[i].constData());
        QCOMPARE(text.lines[i].simplified(), expectedLine(reference->state(), e.derived.Xg));
    }
    QVERIFY2(reference->state().t >= reportedTime(), qPrintable(QString::number(reportedTime())));
}

void FileFaultsTest::cleanup() {
    QVERIFY(QDir::setCurrent(QDir::tempPath()));
    workDir_.reset();
}

QTEST_MAIN(FileFaultsTest)
#include "tst_file_faults.moc"
