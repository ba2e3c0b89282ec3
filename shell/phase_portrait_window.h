#pragma once

// «Фазовый портрет»: Vx against X − Xg, traced live during a run and drawn anew from the record
// whenever the window changes size or opens.

#include "graphics/phase_portrait.h"

#include <QWidget>

namespace trelvix {

class PictureBox;

class PhasePortraitWindow : public QWidget {
    Q_OBJECT
public:
    PhasePortraitWindow();

    PictureBox* surface() const { return surface_; }

    // The grid and axes in `frame`, then the whole of `record` (nothing of an empty one).
    void drawWhole(const graphics::PhaseFrame& frame, const RunRecord& record,
                   const QString& decimalSeparator);
    // The first step of a run starts from a fresh background at the run's initial state.
    void beginRun(const graphics::PhaseFrame& frame, const RunRecord& record,
                  const QString& decimalSeparator);
    void drawStep(double deviation, double Vx);

signals:
    void resized();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    PictureBox* surface_;
};

} // namespace trelvix
