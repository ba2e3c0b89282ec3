#include "shell/phase_portrait_window.h"

#include "graphics/style.h"
#include "shell/assets.h"
#include "shell/control_style.h"
#include "shell/picture_box.h"

#include <QVBoxLayout>

namespace trelvix {

PhasePortraitWindow::PhasePortraitWindow() : surface_(new PictureBox(Qt::white, this)) {
    setObjectName(QStringLiteral("FormPhase"));
    setWindowTitle(QStringLiteral("Фазовый портрет"));
    setWindowIcon(assets::programIcon());
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_QuitOnClose, false); // the program ends with its main window
    setFont(fonts::times1125());
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(surface_);
    surface_->setAccessibleName(QStringLiteral("фазовый портрет: скорость против отклонения"));
    resize(420, 420);
}

void PhasePortraitWindow::drawWhole(const graphics::PhaseFrame& frame, const RunRecord& record,
                                    const QString& decimalSeparator) {
    surface_->clear();
    graphics::drawPhaseBackground(frame, surface_->surface(), decimalSeparator.toStdString());
    graphics::drawPhaseRecord(surface_->surface(), record, graphics::traceColour, 2);
}

void PhasePortraitWindow::beginRun(const graphics::PhaseFrame& frame, const RunRecord& record,
                                   const QString& decimalSeparator) {
    surface_->clear();
    graphics::drawPhaseBackground(frame, surface_->surface(), decimalSeparator.toStdString());
    const double Xg = record.derived().Xg;
    surface_->surface().setCurrentPosition({record.inputs().X0 - Xg, record.inputs().V0x});
}

void PhasePortraitWindow::drawStep(double deviation, double Vx) {
    graphics::drawPhaseStep(surface_->surface(), deviation, Vx);
}

void PhasePortraitWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    emit resized();
}

} // namespace trelvix
