#pragma once

// The set-up the window suites share: a main window over the recording stand-in for the desktop,
// shown, in a temporary current folder of its own (the results file and the documents go there).

#include "recording_platform.h"
#include "shell/main_window/main_window.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

namespace trelvix {

struct WindowFixture {
    std::unique_ptr<QTemporaryDir> workDir;
    std::unique_ptr<RecordingPlatform> platform;
    std::unique_ptr<MainWindow> window;

    // Returns whether the window is on screen in its folder (and active, when asked).
    [[nodiscard]] bool open(bool active = false) {
        workDir = std::make_unique<QTemporaryDir>();
        if (!workDir->isValid() || !QDir::setCurrent(workDir->path())) return false;
        platform = std::make_unique<RecordingPlatform>();
        window = std::make_unique<MainWindow>(platform->platform());
        window->show();
        if (!active) return QTest::qWaitForWindowExposed(window.get());
        window->activateWindow();
        return QTest::qWaitForWindowActive(window.get());
    }

    // Runs take no wall time: no pause after a step.
    void withoutPauses() {
        ViewSettings view = window->viewSettings();
        view.slowDown = 0;
        window->setViewSettings(view, ViewChange::Pace);
    }

    void close() {
        window.reset();
        platform.reset();
        workDir.reset();
    }
};

} // namespace trelvix
