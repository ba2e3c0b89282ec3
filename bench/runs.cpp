// Runs through the start button, as the student starts them: what one step costs to draw, and
// whether a run keeps its promised pace without keeping the processor busy.

#include "bench_window.h"
#include "elapsed.h"
#include "groups.h"
#include "painted_area.h"
#include "process_usage.h"
#include "report.h"
#include "shell/run/run_controller.h"

#include <cstdio>
#include <optional>

namespace trelvix::bench {

namespace {

constexpr double pacingTarget = 1.01;

// The processor share a run at its own pace may take, in percent: the animation view pays for
// its frames, which grow with the panel, the time graphs only for their short segments.
std::optional<double> cpuShareTarget(QSize client, View view) {
    if (view == View::TimeGraphs) return 3;
    if (client == QSize(700, 504)) return 4;
    if (client == QSize(1920, 1080)) return 8;
    return std::nullopt;
}

struct RunTiming {
    long long steps = 0;
    double wallSeconds = 0;
    double cpuSeconds = 0;
};

// One whole run by a click on the start button, which returns when the run has ended.
RunTiming timeRun(BenchWindow& bench) {
    MainWindow& window = bench.window();
    RunTiming timing;
    timing.steps = bench.stepsOfRun();
    std::optional<RunEnd> end;
    const QMetaObject::Connection watch = QObject::connect(
        &window.runController(), &RunController::finished, [&end](RunEnd how) { end = how; });
    const double cpuBefore = cpuSeconds();
    QElapsedTimer timer;
    timer.start();
    window.startOrStop();
    timing.wallSeconds = milliseconds(timer) / 1000;
    timing.cpuSeconds = cpuSeconds() - cpuBefore;
    QObject::disconnect(watch);

    if (end != RunEnd::ReachedEnd || bench.platform().count(PlatformEvent::Kind::Message) > 0)
        std::fprintf(stderr, "warning: the run ended before its computation time\n");
    return timing;
}

void applyComputationTime(BenchWindow& bench, const Options& options) {
    if (!options.computationTime.isEmpty()) bench.enterComputationTime(options.computationTime);
}

std::string runName(QSize client, View view) {
    return sizeText(client) + " " + viewName(view);
}

// With no pause at all a run goes as fast as its steps can be computed, drawn and painted: the
// wall time per step is the whole drawing cost of a step.
void measureStepCost(QSize client, View view, const Options& options) {
    BenchWindow bench(client, view);
    applyComputationTime(bench, options);
    ViewSettings noPauses = bench.window().viewSettings();
    noPauses.slowDown = 0;
    bench.window().setViewSettings(noPauses, ViewChange::Pace);
    const RunTiming run = timeRun(bench);
    print({"drawing per step, " + runName(client, view),
           run.wallSeconds * 1000 / static_cast<double>(run.steps), "ms", std::nullopt,
           "run without pauses, " + std::to_string(run.steps) + " steps"});
}

// A run at its own pace should last steps x 0.01 x slowDown seconds and spend most of it asleep.
void measurePacedRun(QSize client, View view, const Options& options) {
    BenchWindow bench(client, view);
    applyComputationTime(bench, options);
    const PaintedArea painted(&bench.window());
    const RunTiming run = timeRun(bench);
    const double idealSeconds =
        static_cast<double>(run.steps) * 0.01 * bench.window().experiment().view.slowDown;
    print({"pacing ratio, " + runName(client, view), run.wallSeconds / idealSeconds, "",
           pacingTarget,
           number(run.wallSeconds, 2) + " s for " + number(idealSeconds, 2) + " s of pauses", 3});
    print({"CPU share, " + runName(client, view), 100 * run.cpuSeconds / run.wallSeconds, "%",
           cpuShareTarget(client, view), number(run.cpuSeconds) + " s of processor time"});
    const double perStep = painted.pixels() / static_cast<double>(run.steps);
    print({"painted per step, " + runName(client, view), perStep, "px", std::nullopt,
           number(100 * perStep / (client.width() * client.height()), 2) +
               " % of the client area, summed over the window's paint events"});
}

} // namespace

void measureRuns(const Options& options, const std::vector<QSize>& clientSizes) {
    for (const QSize client : clientSizes)
        for (const View view : {View::Animation, View::TimeGraphs})
            measureStepCost(client, view, options);
    for (const QSize client : clientSizes)
        for (const View view : {View::Animation, View::TimeGraphs})
            measurePacedRun(client, view, options);
}

} // namespace trelvix::bench
