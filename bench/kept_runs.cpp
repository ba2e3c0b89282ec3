// Five kept runs of about a million steps each, drawn behind the plots: how long the full redraw
// takes with them (what a resize of the window waits for), and what they add to the peak memory,
// which should be their samples, not copies made to draw them.

#include "bench_window.h"
#include "elapsed.h"
#include "groups.h"
#include "model/run.h"
#include "process_usage.h"
#include "report.h"

#include <optional>

namespace trelvix::bench {

namespace {

// The initial experiment computed for 4400 s: 990 001 steps, below the record's capacity, so
// every step is kept.
constexpr float longComputationTime = 4400;
constexpr int timedRedraws = 3; // after an untimed one

RunRecord longRun(const Experiment& initial) {
    Experiment e = initial;
    e.inputs.T = longComputationTime;
    e.derive();
    RunRecord record(e.inputs, e.derived);
    std::optional<RunDriver> run = RunDriver::begin(e.inputs, e.derived);
    while (run && run->goesOn()) {
        run->step();
        record.append(run->state());
    }
    return record;
}

// A redraw with kept runs should keep pace with a resize: a frame of a 60 Hz screen in full HD.
std::optional<double> redrawTarget(QSize client) {
    if (client == QSize(1920, 1080)) return 16;
    if (client == QSize(3840, 2160)) return 50;
    return std::nullopt;
}

// Keeps five long runs in the window; returns the megabytes of their samples.
double keepLongRuns(MainWindow& window) {
    double samplesMegabytes = 0;
    for (std::size_t i = 0; i < StoredRuns::capacity; ++i) {
        RunRecord record = longRun(window.experiment());
        samplesMegabytes += double(record.samples().capacity() * sizeof(RunSample)) / (1 << 20);
        window.document().keepRun(std::move(record));
    }
    return samplesMegabytes;
}

// The redraw and its paint on screen, in milliseconds: the median of a few.
double timeRedraw(MainWindow& window) {
    std::vector<double> times;
    for (int i = 0; i <= timedRedraws; ++i) {
        QElapsedTimer timer;
        timer.start();
        window.redraw();
        window.repaint();
        if (i > 0) times.push_back(milliseconds(timer));
    }
    return median(times);
}

} // namespace

void measureKeptRuns(QSize client, View view) {
    BenchWindow bench(client, view);
    MainWindow& window = bench.window();
    keepLongRuns(window);
    const long long steps = window.document().storedRuns().runs().back().stepCount();
    print({"redraw with five kept runs, " + sizeText(client) + " " + viewName(view),
           timeRedraw(window), "ms", redrawTarget(client),
           std::to_string(steps) + " steps each; median of " + std::to_string(timedRedraws) +
               ", painted on screen"});
}

void measureKeptRunsMemory(QSize client, double windowMegabytes) {
    BenchWindow bench(client, View::Animation);
    MainWindow& window = bench.window();
    const double samplesMegabytes = keepLongRuns(window);
    window.redraw();
    window.repaint();
    const double allowed = windowMegabytes + samplesMegabytes;
    print({"peak memory, five kept runs, " + sizeText(client), peakMemoryMegabytes(), "MB", allowed,
           "the target is the window's " + number(windowMegabytes) + " MB and " +
               number(samplesMegabytes) + " MB of samples"});
}

} // namespace trelvix::bench
