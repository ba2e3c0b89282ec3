#pragma once

// The sweep of a resonance curve on worker threads while the window stays live: the points are
// spread over Qt's global thread pool, the progress is counted as they finish, and a cancel
// skips the points not yet begun and keeps those computed.

#include "model/resonance_sweep.h"

#include <QFutureWatcher>
#include <QObject>
#include <atomic>

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
    bool busy() const { return watcher_.isRunning(); }
    // The points finished so far, refinement points included.
    int pointsDone() const { return done_.load(); }

signals:
    // In the thread of the sweeper, when the sweep has ended, completed or cancelled.
    void finished(const trelvix::Sweep& result);

private:
    QFutureWatcher<Sweep> watcher_;
    std::atomic<bool> cancel_{false};
    std::atomic<int> done_{0};
};

} // namespace trelvix
