// Runs of the experiment through the main window: how a run ends (time, stop button, touching,
// numbers out of range), the idle state it leaves, the caption with the elapsed seconds and the
// results file.  Runs are kept short (T = 0.1 s, about 23 steps of 10 ms pause).

#include "last_step.h"
#include "model/characteristics.h"
#include "model/number_text.h"
#include "model/run.h"
#include "open_windows.h"
#include "recording_platform.h"
#include "shell/main_window/main_window.h"
#include "shell/main_window/window_texts.h"
#include "shell/widgets/magnifier_window.h"
#include "window_fixture.h"

#include <QtTest>
#include <QtWidgets>

using namespace trelvix;

namespace {

const QString idleTitle = texts::titleAfterRun() + texts::elapsedPrefix();

// Types a new text into a parameter field as the student would overwrite it.
void enter(QLineEdit* field, const QString& text) {
    field->selectAll();
    field->insert(text);
}

QList<QWidget*> lockedControls(const MainControls& c) {
    QList<QWidget*> controls(c.fields.begin(), c.fields.end());
    controls << c.magnifierZoomBar << c.magnifierButton << c.displacementZoomBar
             << c.velocityZoomBar << c.energyZoomBar << c.resultsFileBox;
    return controls;
}

// The state every run leaves, whichever way it ended.
void verifyIdle(MainWindow& window, const QString& seconds) {
    const MainControls& c = window.controls();
    QCOMPARE(c.startButton->text(), texts::startCaption());
    for (QWidget* control : lockedControls(c))
        QVERIFY2(control->isEnabled(), qPrintable(control->objectName()));
    QVERIFY(window.minimumSize() != window.maximumSize());    // sizable again,
    QCOMPARE(window.minimumSize(), window.minimumSizeHint()); // down to its smallest layout
    QCOMPARE(window.windowTitle(), idleTitle + " " + seconds + " c");
    QCOMPARE(window.magnifier()->windowTitle(), texts::magnifierTitle());
    QVERIFY(!c.resultsFileBox->isChecked());
}

QStringList readLines(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    QStringList lines = QString::fromLatin1(file.readAll()).split("\r\n");
    if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
    return lines;
}

} // namespace

class WindowRunTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void runReachesItsTime();
    void controlsLockedWhileRunning();
    void stopButtonEndsTheRun();
    void startClickDuringTheLastPauseIsIgnored();
    void touchingEndsTheRunWithItsMessage();
    void numbersOutOfRangeEndTheRun();
    void inputsWithoutFiniteMotionAreRefused();
    void elapsedSecondsComeFromTheClock_data();
    void elapsedSecondsComeFromTheClock();
    void resultsFileRecordsTheRun();
    void resultsFileThatCannotBeCreated();
    void cleanup();

private:
    WindowFixture fixture_;
    std::unique_ptr<RecordingPlatform>& platform_ = fixture_.platform;
    std::unique_ptr<MainWindow>& window_ = fixture_.window;
    std::unique_ptr<QTemporaryDir>& workDir_ = fixture_.workDir;
};

void WindowRunTest::init() {
    QVERIFY(fixture_.open());
    enter(window_->controls().field(Input::T), "0.1");
    QCOMPARE(window_->experiment().inputs.T, 0.1F);
    platform_->clear();
}

void WindowRunTest::runReachesItsTime() {
    MainWindow& w = *window_;
    const LastStep last(w);
    std::optional<RunDriver> reference =
        RunDriver::begin(w.experiment().inputs, w.experiment().derived);
    QVERIFY(reference);
    while (reference->goesOn())
        reference->step();

    w.startOrStop();
    QCOMPARE(last.state.t, reference->state().t);
    QCOMPARE(last.state.X, reference->state().X);
    QVERIFY(last.state.t >= double(w.experiment().inputs.T));
    verifyIdle(w, "0");
    QCOMPARE(platform_->log(), QStringList{"tone 50"}); // the run ends with the long tone only
}

void WindowRunTest::controlsLockedWhileRunning() {
    MainWindow& w = *window_;
    bool checked = false;
    QTimer::singleShot(30, &w, [&] {
        const MainControls& c = w.controls();
        QCOMPARE(c.startButton->text(), texts::stopCaption());
        for (QWidget* control : lockedControls(c))
            QVERIFY2(!control->isEnabled(), qPrintable(control->objectName()));
        QVERIFY(c.slowDownBar->isEnabled()); // the pace may change during a run
        QVERIFY(c.graphsOption->isEnabled());
        QCOMPARE(w.windowTitle(), texts::titleWhileRunning());
        QCOMPARE(w.minimumSize(), w.maximumSize());
        checked = true;
    });
    w.startOrStop();
    QVERIFY(checked);
    verifyIdle(w, "0");
}

void WindowRunTest::stopButtonEndsTheRun() {
    MainWindow& w = *window_;
    const LastStep last(w);
    enter(w.controls().field(Input::T), "6");
    QTimer::singleShot(60, w.controls().startButton, &QPushButton::click);
    w.startOrStop();
    QVERIFY(last.state.t < 1.0); // stopped long before the computation time
    verifyIdle(w, "0");          // the caption carries the run's seconds once
    QCOMPARE(platform_->log(), QStringList{"tone 50"});
}

void WindowRunTest::startClickDuringTheLastPauseIsIgnored() {
    MainWindow& w = *window_;
    enter(w.controls().field(Input::T), "6");
    int runsStarted = 0;
    QTimer::singleShot(60, &w, [&] {
        w.controls().startButton->click(); // stop
        w.controls().startButton->click(); // start again while the stopped run still pauses
        runsStarted = platform_->count(PlatformEvent::Kind::Tone);
    });
    w.startOrStop();
    QCOMPARE(runsStarted, 0); // no nested run began (it would have ended with a tone)
    verifyIdle(w, "0");
    QCOMPARE(platform_->log(), QStringList{"tone 50"});
}

void WindowRunTest::touchingEndsTheRunWithItsMessage() {
    MainWindow& w = *window_;
    const LastStep last(w);
    enter(w.controls().field(Input::T), "6");
    enter(w.controls().field(Input::V0x), "-20"); // thrown up towards the wheel
    platform_->clear();
    w.startOrStop();
    const Inputs& in = w.experiment().inputs;
    QVERIFY(last.state.X < in.Xm + in.ballRadius());
    QVERIFY(last.state.t < 0.1);
    QCOMPARE(platform_->log(),
             (QStringList{texts::errorTitle() + ": " + texts::touchedMessage(), "tone 50"}));
    verifyIdle(w, "0");
}

void WindowRunTest::numbersOutOfRangeEndTheRun() {
    MainWindow& w = *window_;
    enter(w.controls().field(Input::V0x), "1e30");
    platform_->clear();
    QVERIFY(canRun(w.experiment().inputs, w.experiment().derived));
    w.startOrStop();
    QCOMPARE(platform_->log(),
             (QStringList{texts::errorTitle() + ": " + texts::nonFiniteMessage(), "tone 50"}));
    verifyIdle(w, "0");
}

void WindowRunTest::inputsWithoutFiniteMotionAreRefused() {
    MainWindow& w = *window_;
    enter(w.controls().field(Input::k), "1e300"); // a step far too small ever to reach T
    platform_->clear();
    QVERIFY(!canRun(w.experiment().inputs, w.experiment().derived));
    const QString titleBefore = w.windowTitle();
    w.startOrStop();
    QCOMPARE(platform_->log(),
             (QStringList{"tone 25", texts::errorTitle() + ": " + texts::cannotRunMessage()}));
    QCOMPARE(w.controls().startButton->text(), texts::startCaption());
    QCOMPARE(w.windowTitle(), titleBefore);
    QVERIFY(w.controls().field(Input::k)->isEnabled());
}

void WindowRunTest::elapsedSecondsComeFromTheClock_data() {
    QTest::addColumn<double>("clickedAt");
    QTest::addColumn<double>("endedAt");
    QTest::addColumn<QString>("seconds");
    QTest::newRow("across a second's boundary") << 100.9 << 101.2 << "1";
    QTest::newRow("within one second") << 100.1 << 100.9 << "0";
    QTest::newRow("over an hour's boundary") << 3599.5 << 3599.5 + 3725.9 << "3726";
}

// The caption counts the whole seconds elapsed as a watch would: the reading of the monotonic
// clock at the end of the run, in whole seconds, less the reading at the click.
void WindowRunTest::elapsedSecondsComeFromTheClock() {
    QFETCH(double, clickedAt);
    QFETCH(double, endedAt);
    QFETCH(QString, seconds);
    MainWindow& w = *window_;
    platform_->now = clickedAt;
    QTimer::singleShot(20, &w, [&] { platform_->now = endedAt; });
    w.startOrStop();
    verifyIdle(w, seconds);
}

void WindowRunTest::resultsFileRecordsTheRun() {
    MainWindow& w = *window_;
    w.controls().resultsFileBox->click();
    QVERIFY(w.controls().resultsFileBox->isChecked());
    QCOMPARE(readLines("trelvix_out.txt").size(), 15); // the header at once, before any run

    std::optional<RunDriver> reference =
        RunDriver::begin(w.experiment().inputs, w.experiment().derived);
    QVERIFY(reference);
    QStringList firstLine;
    while (reference->goesOn()) {
        reference->step();
        const RunState& s = reference->state();
        if (firstLine.isEmpty())
            for (double v : {s.t, s.X - reference->derived().Xg, s.Vx, double(s.W)})
                firstLine << QString::fromStdString(formatNumber(v, "0.0000e+00"));
    }

    w.startOrStop();
    const QStringList lines = readLines("trelvix_out.txt");
    QCOMPARE(lines.size(), 15 + int(reference->stepCount()));
    QCOMPARE(lines[15].split(' ', Qt::SkipEmptyParts), firstLine); // t = 0 is not written
    verifyIdle(w, "0");
}

void WindowRunTest::resultsFileThatCannotBeCreated() {
    MainWindow& w = *window_;
    QVERIFY(QDir().mkdir("trelvix_out.txt")); // a folder where the file should be
    w.controls().resultsFileBox->click();
    QVERIFY(!w.controls().resultsFileBox->isChecked());
    QCOMPARE(platform_->count(PlatformEvent::Kind::Message), 1);
    QCOMPARE(platform_->events.first().title, texts::errorTitle());
    QVERIFY(platform_->events.first().text.contains("trelvix_out.txt"));

    w.startOrStop(); // the program goes on: a run works without the file
    verifyIdle(w, "0");
}

void WindowRunTest::cleanup() {
    window_.reset();
    platform_.reset();
    QVERIFY(QDir::setCurrent(QDir::tempPath()));
    workDir_.reset();
    QCOMPARE(visibleTopLevelWindows(), QStringList());
}

QTEST_MAIN(WindowRunTest)
#include "tst_window_run.moc"
