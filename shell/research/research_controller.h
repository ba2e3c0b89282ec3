#pragma once

// «Исследование»: the windows that study runs (the measurements of the last run, its phase
// portrait, the resonance curve of the experiment) and the runs kept for comparison.  All of
// them read the document and the records, never the panels of the main window.

#include "graphics/phase_portrait.h"
#include "platform/platform.h"
#include "shell/document/experiment_document.h"
#include "shell/research/measurements_window.h"
#include "shell/research/phase_portrait_window.h"
#include "shell/resonance/resonance_window.h"
#include "shell/run/run_controller.h"
#include "shell/run/run_menu.h"

#include <QObject>
#include <QPointer>
#include <functional>

class QAction;
class QLineEdit;

namespace trelvix {

class ResearchController : public QObject {
    Q_OBJECT
public:
    struct Parts {
        const RunMenuItems& items;
        QAction* resonanceItem;
        QWidget* mainWindow;       // the side windows open beside it
        QLineEdit* frequencyField; // takes a frequency the resonance curve offers
        // The scales of the phase portrait, from the main window's time graphs.
        std::function<graphics::PhaseFrame()> phaseFrame;
    };
    ResearchController(const Platform& platform, ExperimentDocument& document,
                       const RunController& run, const Parts& parts);
    ~ResearchController() override;

    void openMeasurements();
    void openPhasePortrait();
    // The window opens beside the main window with the range around the current ν0; choosing
    // the item again while it is open computes the curve anew for the parameters as they are.
    void openResonanceCurve();
    // Keeping and forgetting are refused during a run: the record is still growing, and the
    // plots must not be cleared under the trace being drawn.
    void keepLastRun();
    void forgetRuns();
    // The phase portrait drawn anew: the kept runs with their legend, then the last run.
    void redrawPhasePortrait();
    void closeWindows();

    MeasurementsWindow* measurementsWindow() const { return measurements_; }
    PhasePortraitWindow* phasePortraitWindow() const { return phasePortrait_; }
    ResonanceWindow* resonanceWindow() const { return resonance_; }

private:
    void drawPhaseStep(const RunState& state);
    void setPhaseBackground();

    Platform platform_;
    ExperimentDocument& document_;
    const RunController& run_;
    QWidget* mainWindow_;
    QLineEdit* frequencyField_;
    std::function<graphics::PhaseFrame()> phaseFrame_;
    QPointer<MeasurementsWindow> measurements_;
    QPointer<PhasePortraitWindow> phasePortrait_;
    QPointer<ResonanceWindow> resonance_;
};

} // namespace trelvix
