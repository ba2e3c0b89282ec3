#include "shell/resonance_sweeper.h"

#include "shell/resonance_setup.h"

#include <QtConcurrent>

namespace trelvix {

ResonanceSweeper::ResonanceSweeper(QObject* parent) : QObject(parent) {
    connect(&watcher_, &QFutureWatcher<Sweep>::finished, this, [this] {
        busy_ = false;
        emit finished(watcher_.result());
    });
}

ResonanceSweeper::~ResonanceSweeper() {
    cancel_ = true;
    watcher_.waitForFinished();
}

// The sweep runs on one pool thread and spreads each batch of points over the others; the
// calling thread of a blocking map works along, so the pool's threads are all busy.
void ResonanceSweeper::start(const DrivenOscillator& oscillator, const FrequencyRange& range) {
    if (busy()) return;
    busy_ = true;
    cancel_ = false;
    done_ = 0;
    const ParallelMap counted = [this](std::size_t count,
                                       const std::function<void(std::size_t)>& task) {
        concurrentMap(count, [&](std::size_t k) {
            if (beforePoint_) beforePoint_(done_.load());
            if (cancel_) return; // skipped, as the sweep itself skips it: not counted
            task(k);
            ++done_;
        });
    };
    watcher_.setFuture(QtConcurrent::run([this, oscillator, range, counted] {
        return sweep(oscillator, range, {counted, true, &cancel_});
    }));
}

void ResonanceSweeper::cancel() {
    cancel_ = true;
}

} // namespace trelvix
