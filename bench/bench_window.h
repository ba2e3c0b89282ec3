#pragma once

// The main window as the student sees it, on a recording desktop (no sound device, no modal
// boxes), with its client area at a chosen size and one of its two views chosen.

#include "recording_platform.h"
#include "shell/main_window/main_window.h"

#include <QSize>
#include <QString>
#include <memory>
#include <string>

namespace trelvix::bench {

enum class View { Animation, TimeGraphs };

std::string viewName(View view);

// "1920x1080".
std::string sizeText(QSize size);

class BenchWindow {
public:
    BenchWindow(QSize client, View view);
    ~BenchWindow();
    BenchWindow(const BenchWindow&) = delete; // the window holds on to the platform
    BenchWindow& operator=(const BenchWindow&) = delete;

    MainWindow& window() { return *window_; }
    const RecordingPlatform& platform() const { return platform_; }

    // Types a computation time into its field, as the student would.
    void enterComputationTime(const QString& seconds);

    // The number of steps a run of the current experiment makes, from a run without a window.
    long long stepsOfRun() const;

private:
    void resizeClientArea(QSize client);

    RecordingPlatform platform_;
    std::unique_ptr<MainWindow> window_;
};

// Serves the events that are waiting, painting included, until none is left.
void settle();

} // namespace trelvix::bench
