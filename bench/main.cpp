// Timing program of the simulator: start-up, full redraw, drawing per step, pacing of a run, CPU
// share and peak memory on this machine, each printed with its target.
//
//   ./build/bench/trelvix_bench            the full set (about a minute, mostly runs)
//   ./build/bench/trelvix_bench --quick    shorter runs and fewer redraws, for a smoke check

#include "bench_window.h"
#include "groups.h"
#include "platform/memory.h"
#include "process_usage.h"
#include "report.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <exception>

using namespace trelvix::bench;

namespace {

const QSize designedSize{700, 504};
const QSize fullHdSize{1920, 1080};
const QSize ultraHdSize{3840, 2160};

Options quickOptions() {
    Options quick;
    quick.redrawRepeats = 7;
    quick.computationTime = QStringLiteral("0.5");
    return quick;
}

// Megabytes: most windows are at most full HD; a 4K window's pictures alone take about 60.
constexpr double memoryTarget = 80;
constexpr double ultraHdMemoryTarget = 100;

void reportPeakMemory(const std::string& stage, double target = memoryTarget) {
    print({"peak memory, " + stage, peakMemoryMegabytes(), "MB", target});
}

// The offscreen platform warns each time a window gets a fixed size, as every run does to keep
// the layout still; that says nothing about the program and would bury the figures.
QtMessageHandler platformHandler = nullptr;

void withoutSizeHintWarnings(QtMsgType type, const QMessageLogContext& context,
                             const QString& message) {
    if (message.contains(QLatin1String("does not support propagateSizeHints"))) return;
    platformHandler(type, context, message);
}

void measureEverything(const Options& options, const QElapsedTimer& sinceMain) {
    measureStartup(sinceMain);
    reportPeakMemory("after start-up");
    measureRedraws(options, {designedSize, fullHdSize});
    measureRuns(options, {designedSize, fullHdSize});
    reportPeakMemory("windows up to 1920x1080");
    // Last, since the peak memory never comes down again: a 4K window holds far larger images.
    measureRedraws(options, {ultraHdSize});
    measureRuns(options, {ultraHdSize});
    reportPeakMemory("with a 3840x2160 window", ultraHdMemoryTarget);
    measureKeptRunsMemory(ultraHdSize, ultraHdMemoryTarget);
    for (const QSize client : {designedSize, fullHdSize, ultraHdSize})
        for (const View view : {View::Animation, View::TimeGraphs})
            measureKeptRuns(client, view);
}

} // namespace

int main(int argc, char* argv[]) {
    QElapsedTimer sinceMain;
    sinceMain.start();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    trelvix::returnLargeBlocksWhenFreed(); // as the program does at start
    QApplication app(argc, argv);
    platformHandler = qInstallMessageHandler(withoutSizeHintWarnings);

    const QStringList arguments = QApplication::arguments().mid(1);
    const bool quick = arguments == QStringList{QStringLiteral("--quick")};
    if (!quick && !arguments.isEmpty()) {
        std::fputs("usage: trelvix_bench [--quick]\n", stderr);
        return EXIT_FAILURE;
    }
    printNote(std::string(quick ? "quick mode: runs of T = 0.5 s" : "full mode: default runs") +
              "; load average " + loadAverages());
    try {
        measureEverything(quick ? quickOptions() : Options{}, sinceMain);
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "trelvix_bench: %s\n", failure.what());
        return EXIT_FAILURE;
    }
    printNote("load average at the end " + loadAverages());
    return EXIT_SUCCESS;
}
