#include "shell/resonance/resonance_sweeper.h"

#include "shell/resonance/resonance_setup.h"

#include <QtConcurrent>

namespace trelvix {

ResonanceSweeper::ResonanceSweeper(QObject* parent) : QObject(parent) {
    connect(&watcher_, &QFutureWatcher<Sweep>::finished, this, [this] {
        const Sweep result = watcher_.result();
        busy_ = false;
        emit finished(result.problem, result.cancelled);
    });
}

ResonanceSweeper::~ResonanceSweeper() {
    cancel_ = true;
    watcher_.waitForFinished();
    pool_.waitForDone();
}

// The sweep runs on one thread of the pool and spreads each chunk of points over the others; the
// calling thread of a blocking map works along, so all of them are busy.  The window keeps the
// points; the sweep's own copy is dropped before its result is handed back.
void ResonanceSweeper::start(const DrivenOscillator& oscillator, const FrequencyRange& range) {
    if (busy()) return;
    busy_ = true;
    cancel_ = false;
    done_ = 0;
    takePoints();
    const ParallelMap map = [this](std::size_t count,
                                   const std::function<void(std::size_t)>& task) {
        mapOn(pool_, count, [&](std::size_t k) {
            if (beforePoint_) beforePoint_(done_.load());
            if (cancel_) return; // skipped, as the sweep itself skips it: not counted
            task(k);
            ++done_;
        });
    };
    const ChunkSink keep = [this](const std::vector<ResonancePoint>& chunk) {
        const std::lock_guard lock(pendingMutex_);
        pending_.insert(pending_.end(), chunk.begin(), chunk.end());
    };
    watcher_.setFuture(QtConcurrent::run(&pool_, [this, oscillator, range, map, keep] {
        Sweep result = sweep(oscillator, range, {map, true, &cancel_}, keep);
        result.points = {};
        return result;
    }));
}

void ResonanceSweeper::cancel() {
    cancel_ = true;
}

std::vector<ResonancePoint> ResonanceSweeper::takePoints() {
    const std::lock_guard lock(pendingMutex_);
    std::vector<ResonancePoint> taken;
    taken.swap(pending_);
    return taken;
}

} // namespace trelvix
