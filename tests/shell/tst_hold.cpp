// Holding a run through the main window: F5 (or Pause) holds and continues, F6 steps a held
// run; the results file gets a line per step made and none while held, the caption says the run
// is held, and the elapsed seconds leave the held time out.

#include "recording_platform.h"
#include "shell/main_window/main_window.h"
#include "shell/main_window/window_texts.h"
#include "window_fixture.h"

#include <QtTest>
#include <QtWidgets>

using namespace trelvix;

namespace {

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

qsizetype lineCount(const QString& path) {
    return readAll(path).count("\r\n");
}

// Presses a key in the main window, where the slow-down bar (live during a run) has the focus.
void press(MainWindow& w, Qt::Key key) {
    QTest::keyClick(w.controls().slowDownBar, key);
}

} // namespace

class HoldTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void heldRunWritesLinesOnlyForItsSteps();
    void heldTimeIsLeftOutOfTheElapsedSeconds();
    void stopEndsAHeldRun();
    void exitEndsAHeldRun();
    void cleanup();

private:
    // Holds the run with `key` after its third step and then calls `whileHeld` from the event loop.
    void holdAfterThirdStep(Qt::Key key, std::function<void()> whileHeld);

    WindowFixture fixture_;
    std::unique_ptr<RecordingPlatform>& platform_ = fixture_.platform;
    std::unique_ptr<MainWindow>& window_ = fixture_.window;
    std::unique_ptr<QTemporaryDir>& workDir_ = fixture_.workDir;
    int steps_ = 0;
};

void HoldTest::init() {
    QVERIFY(fixture_.open(true));
    QLineEdit* T = window_->controls().field(Input::T);
    T->selectAll();
    T->insert("0.1");
    steps_ = 0;
    connect(&window_->runController(), &RunController::stepped, this, [this] { ++steps_; });
}

void HoldTest::holdAfterThirdStep(Qt::Key key, std::function<void()> whileHeld) {
    MainWindow& w = *window_;
    auto holder = std::make_shared<QMetaObject::Connection>();
    *holder = connect(&w.runController(), &RunController::stepped, this,
                      [this, key, holder, whileHeld = std::move(whileHeld)] {
                          if (steps_ != 3) return;
                          disconnect(*holder);
                          press(*window_, key);
                          QTimer::singleShot(30, this, whileHeld);
                      });
}

// An F5 hold, three F6 steps and an F5 continuation leave a file identical to an unheld run's.
void HoldTest::heldRunWritesLinesOnlyForItsSteps() {
    MainWindow& w = *window_;
    const QString path = QStringLiteral("trelvix_out.txt");
    w.controls().resultsFileBox->click();
    w.startOrStop();
    const QByteArray unheld = readAll(path);
    QVERIFY(lineCount(path) > 15 + 10);

    w.controls().resultsFileBox->click(); // a fresh file for the held run
    steps_ = 0;
    std::vector<qsizetype> lines;
    std::vector<int> steps;
    // Each look at the held run is a separate event: a step is made once the hold's loop regains
    // control.
    const auto look = [&] {
        QVERIFY(w.runController().isHeld());
        QCOMPARE(w.windowTitle(), texts::titleWhileRunning() + texts::heldSuffix());
        QCOMPARE(w.controls().startButton->text(), texts::stopCaption());
        lines.push_back(lineCount(path));
        steps.push_back(steps_);
    };
    std::function<void()> stepOrContinue = [&] {
        look();
        if (steps.size() == 4) {
            press(w, Qt::Key_F5);
            QCOMPARE(w.windowTitle(), texts::titleWhileRunning());
            return;
        }
        press(w, Qt::Key_F6);
        QTimer::singleShot(30, this, stepOrContinue);
    };
    holdAfterThirdStep(Qt::Key_F5, stepOrContinue);
    w.startOrStop();
    QCOMPARE(steps, (std::vector<int>{3, 4, 5, 6}));
    QCOMPARE(lines, (std::vector<qsizetype>{15 + 3, 15 + 4, 15 + 5, 15 + 6}));
    QCOMPARE(readAll(path), unheld);
}

// An hour held, then continued: the caption counts only the time the run ran.
void HoldTest::heldTimeIsLeftOutOfTheElapsedSeconds() {
    MainWindow& w = *window_;
    platform_->now = 100.2;
    holdAfterThirdStep(Qt::Key_Pause, [&] {
        QVERIFY(w.runController().isHeld());
        platform_->now += 3600;
        press(w, Qt::Key_Pause);
        QVERIFY(!w.runController().isHeld());
        platform_->now += 1.5;
    });
    w.startOrStop();
    QCOMPARE(w.windowTitle(), texts::titleAfterRun() + texts::elapsedPrefix() + " 1 c");
}

void HoldTest::stopEndsAHeldRun() {
    MainWindow& w = *window_;
    holdAfterThirdStep(Qt::Key_F5, [&] { w.controls().startButton->click(); });
    w.startOrStop();
    QCOMPARE(steps_, 3);
    QVERIFY(!w.runController().isActive());
    QVERIFY(!w.runController().isHeld());
    QCOMPARE(w.controls().startButton->text(), texts::startCaption());
    QVERIFY(!w.runMenu().mnuRunStep->isEnabled());
}

void HoldTest::exitEndsAHeldRun() {
    MainWindow& w = *window_;
    platform_->answers.enqueue(true);
    holdAfterThirdStep(Qt::Key_F5, [&] { QVERIFY(w.close()); });
    w.startOrStop();
    QCOMPARE(steps_, 3);
    QVERIFY(w.runController().programEnding());
    QVERIFY(!w.runController().isActive());
}

void HoldTest::cleanup() {
    window_.reset();
    platform_.reset();
    QVERIFY(QDir::setCurrent(QDir::tempPath()));
    workDir_.reset();
}

QTEST_MAIN(HoldTest)
#include "tst_hold.moc"
