#pragma once

// «Фазовый портрет»: Vx against X − Xg, traced live during a run and drawn anew from the record
// whenever the window changes size or opens.

#include "graphics/phase_portrait.h"
#include "graphics/stored_traces.h"
#include "model/stored_runs.h"

#include <QWidget>

namespace trelvix {

class PictureBox;

class PhasePortraitWindow : public QWidget {
    Q_OBJECT
public:
    PhasePortraitWindow();

    PictureBox* surface() const { return surface_; }

    // What stands behind every run: the grid and axes in `frame`, the stored runs faded and
    // their legend.
    void setBackground(const graphics::PhaseFrame& frame, const StoredRuns& stored,
                       std::vector<graphics::LegendEntry> legend, const QString& decimalSeparator);
    // The background, then the whole of `record` (nothing of an empty one).  The record, shown
    // and drawn anew for the picture menu, must outlive the window or the next call.
    void drawWhole(const RunRecord& record);
    // The first step of a run starts from the background at the run's initial state.
    void beginRun(const RunRecord& record);
    void drawStep(double deviation, double Vx);

signals:
    // The picture must be drawn anew: the window took a new size, or a new language (the axis
    // names and the legend are texts).
    void redrawWanted();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void retranslate();
    void drawBackground();
    void drawBackgroundOn(graphics::Surface& portrait) const;

    PictureBox* surface_;
    graphics::PhaseFrame frame_;
    const StoredRuns* stored_ = nullptr;
    const RunRecord* record_ = nullptr; // the run shown, growing while it runs
    std::vector<graphics::LegendEntry> legend_;
    QString separator_ = QStringLiteral(".");
};

} // namespace trelvix
