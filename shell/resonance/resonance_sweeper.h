#pragma once

// The sweep of a resonance curve on worker threads while the windows stay live: the points are
// spread over a thread pool of the sweeper's own (Qt's global pool also paints), handed over a
// chunk at a time as they are computed, and a cancel skips every point not yet begun and keeps
// those computed.

#include "model/resonance_sweep.h"

#include <QFutureWatcher>
#include <QObject>
#include <QThreadPool>
#include <atomic>
#include <functional>
#include <mutex>

namespace trelvix {

class ResonanceSweeper : public QObject {
    Q_OBJECT
public:
    explicit ResonanceSweeper(QObject* parent = nullptr);
    // Cancels a sweep in progress and waits for the points already begun.
    ~ResonanceSweeper() override;

    // Starts a sweep with the peak refined; nothing happens while one is in progress.
    void start(const DrivenOscillator& oscillator, const FrequencyRange& range);
    void cancel();
    // From start() until the result is handed on by finished(): once it is false, the window
    // holds the result, cancelled or not.
    bool busy() const { return busy_; }
    // The points finished so far, refinement points included.
    int pointsDone() const { return done_.load(); }
    // The points computed since the last call, sorted by frequency; the caller merges them.
    std::vector<ResonancePoint> takePoints();
    const QThreadPool& pool() const { return pool_; }
    // Called on the worker threads before each point, with the points finished so far; set
    // while no sweep is in progress.  A test holds the sweep at a known point with it.
    void setBeforePoint(std::function<void(int done)> hook) { beforePoint_ = std::move(hook); }

signals:
    // In the thread of the sweeper, when the sweep has ended; its points were all handed over
    // by takePoints() by then, or are waiting there.
    void finished(trelvix::InputProblem problem, bool cancelled);

private:
    QThreadPool pool_;
    QFutureWatcher<Sweep> watcher_;
    std::atomic<bool> cancel_{false};
    std::atomic<int> done_{0};
    std::mutex pendingMutex_;
    std::vector<ResonancePoint> pending_;
    bool busy_ = false;
    std::function<void(int)> beforePoint_;
};

} // namespace trelvix
