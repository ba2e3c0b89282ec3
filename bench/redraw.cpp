// The full redraw in both views: what the student waits for after resizing the window or editing a
// field.

#include "bench_window.h"
#include "elapsed.h"
#include "groups.h"
#include "report.h"

#include <algorithm>
#include <string>

namespace trelvix::bench {

namespace {

constexpr int untimedRedraws = 2; // fill caches and images before timing
constexpr double redrawTargetMs = 8;
const QSize redrawTargetSize{1920, 1080};

// Each redraw is timed twice over: the redraw routine alone (layout, characteristics, every plot
// drawn into its image), the figure with the target, and until the window has painted those images
// on screen, which is what the student waits for.
void measureRedraw(const Options& options, QSize client, View view) {
    BenchWindow bench(client, view);
    MainWindow& window = bench.window();
    std::vector<double> redrawn, shown;
    for (int i = 0; i < untimedRedraws + options.redrawRepeats; ++i) {
        QElapsedTimer timer;
        timer.start();
        window.redraw();
        const double drawnMs = milliseconds(timer);
        window.repaint();
        if (i < untimedRedraws) continue;
        redrawn.push_back(drawnMs);
        shown.push_back(milliseconds(timer));
    }
    const std::optional<double> target =
        client == redrawTargetSize ? std::optional(redrawTargetMs) : std::nullopt;
    print({"full redraw " + sizeText(client) + " " + viewName(view), median(redrawn), "ms", target,
           "median of " + std::to_string(redrawn.size()) + ", fastest " +
               number(*std::min_element(redrawn.begin(), redrawn.end())) +
               " ms; painted on screen " + number(median(shown)) + " ms"});
}

} // namespace

void measureRedraws(const Options& options, const std::vector<QSize>& clientSizes) {
    for (const QSize client : clientSizes)
        for (const View view : {View::Animation, View::TimeGraphs})
            measureRedraw(options, client, view);
}

} // namespace trelvix::bench
