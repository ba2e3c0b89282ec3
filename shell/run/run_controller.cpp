#include "shell/run/run_controller.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>
#include <chrono>

namespace trelvix {

RunController::RunController(ExperimentDocument& document, QObject* parent)
    : QObject(parent), document_(document), timer_(new QTimer(this)) {
    // 1 ms ticks need a precise timer.
    timer_->setObjectName(QStringLiteral("pauseTimer"));
    timer_->setInterval(1);
    timer_->setTimerType(Qt::PreciseTimer);
    connect(timer_, &QTimer::timeout, this, &RunController::pauseEnded);
}

bool RunController::run(const Inputs& in, const Characteristics& derived) {
    if (active_) return false; // one run at a time: a run still ending is not replaced
    std::optional<RunDriver> driver = RunDriver::begin(in, derived);
    if (!driver) return false;
    active_ = true;
    stopRequested_ = false;
    held_ = false;
    stepAsked_ = false;
    document_.beginRun(in, derived);
    pace_.restart(Pace::Clock::now());
    std::optional<RunEnd> end;
    while (!end && !ending_) {
        if (stopRequested_)
            end = RunEnd::Stopped;
        else if (!driver->goesOn())
            end = RunEnd::ReachedEnd;
        else
            end = makeStep(*driver, derived.Xg);
    }
    if (held_) {
        held_ = false;
        if (!ending_) emit holdChanged(false);
    }
    if (!ending_) {
        if (recording_) closeRecording();
        emit finished(*end);
    }
    active_ = false;
    return true;
}

// One step with its drawing, its results line and its pause; an end that the step brought.
std::optional<RunEnd> RunController::makeStep(RunDriver& driver, double Xg) {
    const StepReport report = driver.step();
    if (report.outcome == StepOutcome::NonFinite) return RunEnd::NonFinite; // nothing to draw
    document_.appendToRun(driver.state());
    if (recording_) recordStep(driver.state(), Xg);
    emit stepped(driver.state(), report.drawsFrame);
    pause(0.01 * document_.view().slowDown);
    if (held_ && !ending_ && report.outcome == StepOutcome::GoOn) holdPause();
    if (report.outcome == StepOutcome::Touched && !ending_) return RunEnd::Touched;
    return std::nullopt;
}

// The last lines reach the disk only when the file is closed: a failure then is as real as one
// while writing.
void RunController::closeRecording() {
    recording_ = false;
    const FileStatus status = resultsFile_.close();
    if (!status.ok)
        emit recordingFailed(QString::fromStdString(resultsFile_.path()),
                             QString::fromStdString(status.reason));
}

void RunController::recordStep(const RunState& state, double Xg) {
    const FileStatus status = resultsFile_.writeStep(state, Xg, separator_);
    if (status.ok) return;
    recording_ = false;
    emit recordingFailed(QString::fromStdString(resultsFile_.path()),
                         QString::fromStdString(status.reason));
}

FileStatus RunController::startRecording(HeaderRows header) {
    const FileStatus status = resultsFile_.create(header);
    recording_ = status.ok;
    return status;
}

void RunController::endProgram() {
    ending_ = true;
    if (pauseLoop_) pauseLoop_->quit();
    wakeHold();
    resultsFile_.close();
}

// The pause after a step: the window goes on serving the student while the process sleeps until
// the step's deadline.
void RunController::pause(double seconds) {
    using namespace std::chrono;
    const auto length = duration_cast<Pace::Clock::duration>(duration<double>(seconds));
    const auto deadline = pace_.nextDeadline(Pace::Clock::now(), length);
    const auto remaining =
        duration_cast<milliseconds>(deadline - Pace::Clock::now() + microseconds(500));
    if (remaining.count() < 1) {
        QCoreApplication::processEvents(); // behind the pace: still serve the interface once
        return;
    }
    QEventLoop loop;
    pauseLoop_ = &loop;
    timerFired_ = false;
    timer_->setInterval(static_cast<int>(remaining.count()));
    timer_->start();
    loop.exec();
    timer_->stop();
    pauseLoop_ = nullptr;
    // A nested loop that returns before its timer while the program is ending (or once the
    // application has been told to quit, when every new loop returns at once) must end the run
    // rather than let it race on without pauses.
    if (!timerFired_) ending_ = true;
}

void RunController::pauseEnded() {
    timer_->stop();
    timerFired_ = true;
    if (pauseLoop_) pauseLoop_->quit();
}

RunPhase RunController::phase() const {
    if (!active_) return RunPhase::Idle;
    if (stopRequested_ || ending_) return RunPhase::Stopping;
    return held_ ? RunPhase::Held : RunPhase::Running;
}

void RunController::requestStop() {
    stopRequested_ = true;
    wakeHold();
}

void RunController::hold() {
    if (!active_ || held_ || stopRequested_) return;
    held_ = true;
    emit holdChanged(true);
}

void RunController::proceed() {
    if (!held_) return;
    held_ = false;
    wakeHold();
    emit holdChanged(false);
}

void RunController::stepOnce() {
    if (!held_) return;
    stepAsked_ = true;
    wakeHold();
}

// The hold after a step: the window stays live until the run is continued, stepped, stopped or
// the program ends.  The pace then starts afresh, so a long hold neither rushes the following
// steps nor counts as lateness.
void RunController::holdPause() {
    while (held_ && !stepAsked_ && !stopRequested_ && !ending_) {
        QEventLoop loop;
        holdLoop_ = &loop;
        woken_ = false;
        loop.exec();
        holdLoop_ = nullptr;
        // Once the application has been told to quit every new loop returns at once: the run
        // must end rather than spin.
        if (!woken_) ending_ = true;
    }
    stepAsked_ = false;
    pace_.restart(Pace::Clock::now());
}

void RunController::wakeHold() {
    woken_ = true;
    if (holdLoop_) holdLoop_->quit();
}

} // namespace trelvix
