// Timing program of the resonance curve: a million-point sweep (its memory and how soon a cancel
// ends it), the cost of the slowest drives, a 200-point sweep at the initial values on all cores
// and on one, the cost of a single point, and shooting against waiting for the transient to die
// out.
//
//   ./build/bench/trelvix_bench_resonance

#include "elapsed.h"
#include "model/experiment.h"
#include "model/resonance_sweep.h"
#include "process_usage.h"
#include "report.h"
#include "shell/resonance/resonance_setup.h"

#include <QCoreApplication>
#include <QThreadPool>
#include <QtConcurrent>
#include <algorithm>
#include <cmath>
#include <mutex>
#include <numeric>

using namespace trelvix;
using namespace trelvix::bench;

namespace {

// From well below to well above the resonance at 3.98 Hz, with the initial drive at 4.5 Hz.
constexpr FrequencyRange initialRange{0.5, 8, 200};
constexpr int repeats = 9;

DrivenOscillator initialOscillator() {
    const Experiment e;
    return drivenOscillatorOf(e.inputs, e.derived);
}

struct TimedSweep {
    double wallMs;
    double cpuMs;
    Sweep result;
};

TimedSweep timeSweep(const DrivenOscillator& s, const ParallelMap& map) {
    QElapsedTimer timer;
    const double cpuBefore = cpuSeconds();
    timer.start();
    Sweep result = sweep(s, initialRange, {map, true, nullptr});
    const double wall = milliseconds(timer);
    return {wall, (cpuSeconds() - cpuBefore) * 1e3, std::move(result)};
}

std::string pointCount(const Sweep& result) {
    const auto solved =
        std::count_if(result.points.begin(), result.points.end(),
                      [](const auto& p) { return p.status == PointStatus::Solved; });
    return std::to_string(result.points.size()) + " points (" +
           std::to_string(result.points.size() - static_cast<std::size_t>(initialRange.points)) +
           " near the peak), " + std::to_string(solved) + " solved by Newton";
}

// Medians of `repeats` sweeps, after an untimed one that starts the thread pool.  Returns the
// sweep for the figures that follow.
Sweep measureSweeps(const DrivenOscillator& s) {
    timeSweep(s, concurrentMap);
    std::vector<double> parallelWall, parallelCpu, serialWall;
    for (int i = 0; i < repeats; ++i) {
        const TimedSweep parallel = timeSweep(s, concurrentMap);
        parallelWall.push_back(parallel.wallMs);
        parallelCpu.push_back(parallel.cpuMs);
        serialWall.push_back(timeSweep(s, serialMap).wallMs);
    }
    Sweep result = timeSweep(s, serialMap).result;
    const double points = static_cast<double>(result.points.size());
    const std::string threads = std::to_string(QThreadPool::globalInstance()->maxThreadCount());
    print({"200-point sweep, parallel map", median(parallelWall), "ms", 300,
           pointCount(result) + ", " + threads + " threads"});
    print({"cores busy in the parallel sweep", median(parallelCpu) / median(parallelWall), "",
           std::nullopt, "processor time / wall time"});
    print({"same sweep on one core", median(serialWall), "ms", std::nullopt,
           "parallel speed-up " + number(median(serialWall) / median(parallelWall), 2)});
    print({"per point on one core, mean", median(serialWall) / points, "ms", 2});
    return result;
}

// Every point of the sweep alone, on this thread, the median of five: the slowest point.
void measureSlowestPoint(const DrivenOscillator& s, const Sweep& result) {
    double slowest = 0;
    double at = 0;
    for (const ResonancePoint& p : result.points) {
        std::vector<double> ms;
        for (int i = 0; i < 5; ++i) {
            QElapsedTimer timer;
            timer.start();
            steadyState(s, p.nu);
            ms.push_back(milliseconds(timer));
        }
        if (median(ms) > slowest) std::tie(slowest, at) = std::pair(median(ms), p.nu);
    }
    print({"per point on one core, slowest", slowest, "ms", 2, "at " + number(at, 3) + " Hz"});
}

// The slow way at one frequency: from rest until a period changes the state by less than 1e-9 m
// (and 1e-9 m·ω in the velocity).
void compareWithWaiting(const DrivenOscillator& s, double nu, const std::string& label) {
    std::vector<double> shootingMs;
    ResonancePoint shot;
    for (int i = 0; i < repeats; ++i) {
        QElapsedTimer timer;
        timer.start();
        shot = steadyState(s, nu);
        shootingMs.push_back(milliseconds(timer));
    }
    QElapsedTimer timer;
    timer.start();
    long periods = 0;
    const ResonancePoint waited = steadyStateByIntegration(s, nu, 1e-9, 100'000'000, periods);
    const double waitingMs = milliseconds(timer);

    const std::string at = number(nu, 3) + " Hz" + label;
    const double difference = std::fabs(waited.amplitude / shot.amplitude - 1);
    print({"shooting at " + at, median(shootingMs), "ms", 2});
    print({"waiting for the transient at " + at, waitingMs, "ms", std::nullopt,
           std::to_string(periods) + " periods; amplitudes differ by " +
               number(difference * 1e6, 2) + " ppm"});
    print({"waiting / shooting at " + at, waitingMs / median(shootingMs), "", std::nullopt});
}

// A sweep of the most points a range may have, on a pool of its own as the window runs it, its
// chunks kept as the window keeps them: how long a cancel after `cancelAfterMs` takes to end it,
// and, left to finish, the memory of the whole curve.  Far above the resonance, where a point is
// quick, so that the whole sweep takes seconds rather than minutes.
void measureMillionPoints(const DrivenOscillator& s, std::optional<int> cancelAfterMs) {
    QThreadPool pool;
    std::atomic<bool> cancel{false};
    std::mutex shownMutex;
    std::vector<ResonancePoint> shown;
    const ParallelMap map = [&](std::size_t count, const std::function<void(std::size_t)>& task) {
        mapOn(pool, count, task);
    };
    const ChunkSink keep = [&](const std::vector<ResonancePoint>& chunk) {
        const std::lock_guard lock(shownMutex);
        mergePoints(shown, chunk);
    };
    const double memoryBefore = peakMemoryMegabytes();
    QElapsedTimer timer;
    timer.start();
    QFuture<Sweep> future = QtConcurrent::run(&pool, [&] {
        Sweep result = sweep(s, {20, 40, maxSweepPoints}, {map, true, &cancel}, keep);
        result.points = {}; // as the window's sweeper drops the sweep's own copy
        return result;
    });
    if (!cancelAfterMs) {
        future.waitForFinished();
        print({"10^6-point sweep, 20 … 40 Hz", milliseconds(timer) / 1e3, "s", std::nullopt,
               std::to_string(shown.size()) + " points"});
        print({"memory of the 10^6-point curve", peakMemoryMegabytes() - memoryBefore, "MB", 100,
               "growth of the peak resident memory"});
        return;
    }
    QThread::msleep(static_cast<unsigned long>(*cancelAfterMs));
    cancel = true;
    timer.start();
    future.waitForFinished();
    print({"cancelling a 10^6-point sweep", milliseconds(timer), "ms", 200,
           std::to_string(shown.size()) + " points kept"});
}

// The slowest of the drives far below ν0, where the period is too long to integrate.
void measureSlowDrives(const DrivenOscillator& s) {
    double slowest = 0;
    for (double nu : {1e-6, 1e-4, 1e-3, 3e-3, 1e-2}) {
        QElapsedTimer timer;
        timer.start();
        steadyState(s, nu);
        slowest = std::max(slowest, milliseconds(timer));
    }
    print({"slowest point of 1e-6 … 1e-2 Hz", slowest, "ms", 100});
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    printNote("resonance curve at the initial values, " + number(initialRange.from, 1) + " … " +
              number(initialRange.to, 1) + " Hz; load average " + loadAverages());
    const DrivenOscillator s = initialOscillator();
    measureMillionPoints(s, std::nullopt);
    measureMillionPoints(s, 1000);
    measureSlowDrives(s);
    const Sweep result = measureSweeps(s);
    measureSlowestPoint(s, result);
    for (double nu : {2.0, peakPoint(result.points)->nu, 4.5})
        compareWithWaiting(s, nu, "");
    // Without the quadratic drag only the viscous damping ends the transient, as the linear
    // theory assumes: that is where waiting takes longest.
    DrivenOscillator withoutDrag = s;
    withoutDrag.quadraticDrag = 0;
    compareWithWaiting(withoutDrag, 4.5, ", c = 0");
    printNote("load average at the end " + loadAverages());
    return 0;
}
