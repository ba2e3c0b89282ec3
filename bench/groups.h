#pragma once

// The groups of figures the timing program measures, each printing its own lines.

#include <QElapsedTimer>
#include <QSize>
#include <QString>
#include <vector>

namespace trelvix::bench {

struct Options {
    int redrawRepeats = 31;  // timed redraws per size, after two untimed ones
    QString computationTime; // typed into the field before each run; empty keeps the initial T
};

// From the start of main() to the first paint of every plot panel on screen.
void measureStartup(const QElapsedTimer& sinceMain);

// The full redraw of the main window at each client size, and its paint on screen.
void measureRedraws(const Options& options, const std::vector<QSize>& clientSizes);

// Runs through the start button in both views at each client size: the drawing cost of one
// step (a run without pauses), then the pacing and the CPU share of a run at its own pace.
void measureRuns(const Options& options, const std::vector<QSize>& clientSizes);

enum class View;

// Five kept runs of about a million steps each in a window of the client size and view: the time
// of a full redraw with them.
void measureKeptRuns(QSize client, View view);

// The same in the animation view, redrawn once: the peak memory against `windowMegabytes`, the
// window's own figure, plus the runs' samples.
void measureKeptRunsMemory(QSize client, double windowMegabytes);

} // namespace trelvix::bench
