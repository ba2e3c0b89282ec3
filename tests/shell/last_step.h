#pragma once

// The state after the last step of the runs of a main window, as its run controller reports
// them: the window itself keeps no run state once a run is over.

#include "model/motion.h"
#include "shell/main_window/main_window.h"

#include <QObject>

namespace trelvix {

class LastStep {
public:
    explicit LastStep(const MainWindow& window) {
        QObject::connect(&window.runController(), &RunController::stepped, &receiver_,
                         [this](const RunState& s, bool) { state = s; });
    }
    LastStep(const LastStep&) = delete;
    LastStep& operator=(const LastStep&) = delete;

    RunState state; // all zero before the first step

private:
    QObject receiver_; // ends the connection with this object
};

} // namespace trelvix
