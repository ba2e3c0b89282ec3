#include "shell/research/research_controller.h"

#include "platform/decimal_separator.h"
#include "shell/research/run_legend.h"
#include "shell/resonance/resonance_setup.h"
#include "shell/widgets/picture_menu.h"
#include "shell/widgets/window_placement.h"

#include <QAction>

namespace trelvix {

ResearchController::ResearchController(const Platform& platform, ExperimentDocument& document,
                                       const RunController& run, const Parts& parts)
    : QObject(parts.mainWindow), platform_(platform), document_(document), run_(run),
      mainWindow_(parts.mainWindow), frequencyField_(parts.frequencyField),
      phaseFrame_(parts.phaseFrame) {
    connect(parts.items.mnuRunKeep, &QAction::triggered, this, &ResearchController::keepLastRun);
    connect(parts.items.mnuRunForget, &QAction::triggered, this, &ResearchController::forgetRuns);
    connect(parts.items.mnuMeasurements, &QAction::triggered, this,
            &ResearchController::openMeasurements);
    connect(parts.items.mnuPhasePortrait, &QAction::triggered, this,
            &ResearchController::openPhasePortrait);
    connect(parts.resonanceItem, &QAction::triggered, this,
            &ResearchController::openResonanceCurve);
    connect(&run_, &RunController::finished, this, [this] {
        if (measurements_) measurements_->show(run_.record(), desktopDecimalSeparator());
    });
    connect(&run_, &RunController::stepped, this, &ResearchController::drawPhaseStep);
}

ResearchController::~ResearchController() {
    delete measurements_;
    delete phasePortrait_;
    delete resonance_;
}

void ResearchController::openMeasurements() {
    const bool opening = !measurements_;
    if (opening) measurements_ = new MeasurementsWindow;
    measurements_->show(run_.record(), desktopDecimalSeparator()); // sized to its table
    if (opening) placeByMainWindow(measurements_, mainWindow_, WindowPlacement::Beside);
}

void ResearchController::openPhasePortrait() {
    if (!phasePortrait_) {
        phasePortrait_ = new PhasePortraitWindow;
        addPictureMenu(phasePortrait_->surface(), platform_);
        connect(phasePortrait_, &PhasePortraitWindow::redrawWanted, this,
                &ResearchController::redrawPhasePortrait);
        placeByMainWindow(phasePortrait_, mainWindow_, WindowPlacement::Beside);
    }
    phasePortrait_->show();
    phasePortrait_->raise();
    redrawPhasePortrait();
}

void ResearchController::openResonanceCurve() {
    if (!resonance_) {
        resonance_ = new ResonanceWindow(platform_, document_, frequencyField_);
        resonance_->setRange(defaultResonanceRange(document_.characteristics()));
        placeByMainWindow(resonance_, mainWindow_, WindowPlacement::Beside);
    }
    resonance_->show();
    resonance_->raise();
    resonance_->activateWindow();
    resonance_->computeCurve();
}

void ResearchController::keepLastRun() {
    if (run_.isActive()) return;
    document_.keepLastRun();
}

void ResearchController::forgetRuns() {
    if (run_.isActive()) return;
    document_.forgetRuns();
}

void ResearchController::setPhaseBackground() {
    phasePortrait_->setBackground(phaseFrame_(), document_.storedRuns(),
                                  storedRunsLegend(document_.storedRuns(), document_.inputs()),
                                  desktopDecimalSeparator());
}

void ResearchController::redrawPhasePortrait() {
    if (!phasePortrait_) return;
    setPhaseBackground();
    phasePortrait_->drawWhole(run_.record());
}

void ResearchController::drawPhaseStep(const RunState& state) {
    if (!phasePortrait_) return;
    if (run_.record().stepCount() == 1) {
        setPhaseBackground();
        phasePortrait_->beginRun(run_.record());
    }
    phasePortrait_->drawStep(state.X - document_.characteristics().Xg, state.Vx);
}

void ResearchController::closeWindows() {
    for (QWidget* window :
         std::initializer_list<QWidget*>{measurements_, phasePortrait_, resonance_})
        if (window) window->close();
}

} // namespace trelvix
