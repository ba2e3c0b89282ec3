#include "shell/research/phase_portrait_window.h"

#include "graphics/style.h"
#include "shell/widgets/assets.h"
#include "shell/widgets/control_style.h"
#include "shell/widgets/picture_box.h"

#include <QEvent>
#include <QVBoxLayout>

namespace trelvix {

PhasePortraitWindow::PhasePortraitWindow() : surface_(new PictureBox(Qt::white, this)) {
    setObjectName(QStringLiteral("FormPhase"));
    setWindowIcon(assets::programIcon());
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_QuitOnClose, false); // the program ends with its main window
    setFont(fonts::times1125());
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(surface_);
    surface_->setDrawing([this](graphics::Surface& onto) {
        drawBackgroundOn(onto);
        if (record_) graphics::drawPhaseRecord(onto, *record_, graphics::traceColour, 2);
    });
    resize(420, 420);
    retranslate();
}

// The drawn texts follow with the redraw the window asks for.
void PhasePortraitWindow::retranslate() {
    setWindowTitle(tr("Фазовый портрет"));
    surface_->setAccessibleName(tr("фазовый портрет: скорость против отклонения"));
}

void PhasePortraitWindow::setBackground(const graphics::PhaseFrame& frame, const StoredRuns& stored,
                                        std::vector<graphics::LegendEntry> legend,
                                        const QString& decimalSeparator) {
    frame_ = frame;
    stored_ = &stored;
    legend_ = std::move(legend);
    separator_ = decimalSeparator;
}

void PhasePortraitWindow::drawBackground() {
    surface_->clear();
    drawBackgroundOn(surface_->surface());
}

void PhasePortraitWindow::drawBackgroundOn(graphics::Surface& portrait) const {
    graphics::drawPhaseBackground(frame_, portrait, separator_.toStdString());
    if (stored_)
        for (std::size_t i = 0; i < stored_->runs().size(); ++i)
            graphics::drawPhaseRecord(portrait, stored_->runs()[i], graphics::storedRunColour(i),
                                      1);
    // Below the horizontal axis, clear of the velocity axis name at the top.
    graphics::drawLegend(legend_, portrait, graphics::LegendCorner::BottomRight);
}

void PhasePortraitWindow::drawWhole(const RunRecord& record) {
    record_ = &record;
    drawBackground();
    graphics::drawPhaseRecord(surface_->surface(), record, graphics::traceColour, 2);
}

void PhasePortraitWindow::beginRun(const RunRecord& record) {
    record_ = &record;
    drawBackground();
    const double Xg = record.derived().Xg;
    surface_->surface().setCurrentPosition({record.inputs().X0 - Xg, record.inputs().V0x});
}

void PhasePortraitWindow::drawStep(double deviation, double Vx) {
    graphics::drawPhaseStep(surface_->surface(), deviation, Vx);
}

void PhasePortraitWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    emit redrawWanted();
}

void PhasePortraitWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() != QEvent::LanguageChange) return;
    retranslate();
    emit redrawWanted();
}

} // namespace trelvix
