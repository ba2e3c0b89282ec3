#pragma once

// Runs the experiment for the main window: the run driver, the pacing of its steps in slowed real
// time, the results file and the timer of the pauses.  It reports every step and the end of the
// run by signals; turning an end into a message and drawing a step are the window's business.
//
// A run is computed inside run(): after each step the controller pauses in a nested event loop
// until the step's deadline, so the window stays live (the stop button, the slow-down bar, the
// menus, painting) while the computation itself stays one straight loop.  A modal box opened
// during a run holds the run until it is closed, because the pause cannot end before the box's
// own loop returns.
//
// A run can be held: after the step in progress it stays in a pause that ends only when it is
// continued, stopped, stepped once (one step with all its drawing and its results line, then held
// again) or the program ends.  The pace starts afresh after a hold.

#include "model/results_file.h"
#include "model/run.h"
#include "shell/document/experiment_document.h"
#include "shell/run/pace.h"

#include <QObject>
#include <optional>

class QEventLoop;
class QTimer;

namespace trelvix {

// How a run ended.
enum class RunEnd {
    ReachedEnd, // the model time reached T
    Stopped,    // the student pressed STOP
    Touched,    // the ball reached the suspension point
    NonFinite,  // the state left the range of numbers; the last step was not drawn
};

// Where the controller stands: no run; a run stepping; a run held between steps; a run told to
// stop (or the program ending) that is finishing its last pause.  A new run can begin only from
// Idle.
enum class RunPhase { Idle, Running, Held, Stopping };

class RunController : public QObject {
    Q_OBJECT
public:
    // The document gives the slow-down factor, read anew at every step, and takes the record of
    // each run as it is made; it must outlive the controller.
    explicit RunController(ExperimentDocument& document, QObject* parent = nullptr);

    // Computes a run to its end, emitting stepped() after every step and finished() at the end
    // (not when the program is ending).  Refuses, emitting nothing, when the run cannot be
    // computed or a run is still active (also while it finishes after STOP).  Returns whether
    // the run started.
    bool run(const Inputs& in, const Characteristics& derived);

    // The student pressed STOP: the run ends after its current pause (a hold included).
    void requestStop();
    // Holding and continuing a run, and one step of a held run.  Asked while no run is active
    // they do nothing.
    void hold();
    void proceed();
    void stepOnce();
    bool isHeld() const { return held_; }
    // The program is ending: the run ends at once, without finishing its step or its pause.
    void endProgram();
    bool programEnding() const { return ending_; }

    // Whether run() is on the stack, also after STOP until the last pause has ended.
    bool isActive() const { return active_; }
    RunPhase phase() const;

    // The results file: created with its header when the student turns "Файл" on; the next run
    // appends a line per step while recording, and closes it at its end.
    FileStatus startRecording(HeaderRows header);
    // Where the results file goes (the current folder's trelvix_out.txt unless told otherwise);
    // changed only while nothing is recorded.
    void setResultsPath(std::string path) { resultsFile_ = ResultsFile(std::move(path)); }
    void stopRecording() { recording_ = false; }
    bool isRecording() const { return recording_; }
    const ResultsFile& resultsFile() const { return resultsFile_; }
    // The decimal separator of the numbers in the file: the desktop's.
    void setDecimalSeparator(std::string separator) { separator_ = std::move(separator); }

    // The record of the run in progress or of the last one.
    const RunRecord& record() const { return document_.lastRun(); }

    // The timer that ends each pause.
    QTimer* pauseTimer() const { return timer_; }

signals:
    // A step was made; `state` is the state after it.  The animation is redrawn every second step.
    void stepped(const trelvix::RunState& state, bool drawsFrame);
    // Writing a line failed: recording has stopped and the file is closed.
    void recordingFailed(const QString& path, const QString& reason);
    // The run is over.  Recording (if it was on) has ended and the file is closed.
    void finished(trelvix::RunEnd end);
    // The run was held (true) or goes on again (false).
    void holdChanged(bool held);

private:
    std::optional<RunEnd> makeStep(RunDriver& driver, double Xg);
    void recordStep(const RunState& state, double Xg);
    void closeRecording();
    void pause(double seconds);
    void pauseEnded();
    void holdPause();
    void wakeHold();

    ExperimentDocument& document_;
    ResultsFile resultsFile_;
    std::string separator_ = ".";
    Pace pace_;
    QTimer* timer_;
    QEventLoop* pauseLoop_ = nullptr; // the nested loop of the pause in progress
    QEventLoop* holdLoop_ = nullptr;  // the nested loop of the hold in progress
    bool timerFired_ = false;         // whether the pause ended by its timer
    bool active_ = false;
    bool stopRequested_ = false;
    bool held_ = false;
    bool stepAsked_ = false;
    bool woken_ = false; // whether the hold's loop was ended by us
    bool recording_ = false;
    bool ending_ = false;
};

} // namespace trelvix
