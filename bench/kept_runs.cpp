// Five kept runs of about a million steps each, drawn behind the plots of a large window: what
// they add to the peak memory should be their samples, not copies made to draw them.

#include "bench_window.h"
#include "elapsed.h"
#include "groups.h"
#include "model/run.h"
#include "process_usage.h"
#include "report.h"

namespace trelvix::bench {

namespace {

// The initial experiment computed for 4400 s: 990 001 steps, below the record's capacity, so
// every step is kept.
constexpr float longComputationTime = 4400;

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

} // namespace

void measureKeptRuns(QSize client, double windowMegabytes) {
    BenchWindow bench(client, View::Animation);
    MainWindow& window = bench.window();
    double samplesMegabytes = 0;
    long long steps = 0;
    for (std::size_t i = 0; i < StoredRuns::capacity; ++i) {
        RunRecord record = longRun(window.experiment());
        steps = record.stepCount();
        samplesMegabytes += double(record.samples().capacity() * sizeof(RunSample)) / (1 << 20);
        window.document().keepRun(std::move(record));
    }
    QElapsedTimer timer;
    timer.start();
    window.redraw();
    window.repaint();
    const double drawnMs = milliseconds(timer);
    const double allowed = windowMegabytes + samplesMegabytes;
    print({"peak memory, five kept runs, " + sizeText(client), peakMemoryMegabytes(), "MB", allowed,
           std::to_string(steps) + " steps each; the target is the window's " +
               number(windowMegabytes) + " MB and " + number(samplesMegabytes) +
               " MB of samples; redrawn with them in " + number(drawnMs) + " ms"});
}

} // namespace trelvix::bench
