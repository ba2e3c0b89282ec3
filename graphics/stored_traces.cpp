#include "graphics/stored_traces.h"

#include "graphics/record_curve.h"
#include "graphics/style.h"

#include <algorithm>
#include <array>

namespace trelvix::graphics {

namespace {

// Light blue, pink, orange, violet, teal: apart from the red trace, the green grid and the
// pure-green key of the transparent copy.
constexpr std::array<QRgb, 5> hues = {qRgb(110, 150, 255), qRgb(255, 140, 220), qRgb(255, 170, 60),
                                      qRgb(160, 110, 230), qRgb(60, 190, 200)};

// Restores a surface's pen and current position when it goes out of scope.
class KeptDrawingState {
public:
    explicit KeptDrawingState(Surface& s)
        : surface_(s), position_(s.currentPosition()), width_(s.penWidth()),
          foreground_(s.foreground()) {}
    ~KeptDrawingState() {
        surface_.setCurrentPosition(position_);
        surface_.setPenWidth(width_);
        surface_.setForeground(foreground_);
    }
    KeptDrawingState(const KeptDrawingState&) = delete;
    KeptDrawingState& operator=(const KeptDrawingState&) = delete;

private:
    Surface& surface_;
    QPointF position_;
    int width_;
    QColor foreground_;
};

// Calls draw(plot, quantity, point) for each of the four plots of a run, with the quantity drawn
// up the plot and the point of a sample there.
template <class Draw> void forEachPlot(const RunRecord& run, Surfaces& s, Draw draw) {
    using enum SampleQuantity;
    const double Xg = run.derived().Xg;
    draw(s.plane, X, [](const RunSample& p) { return QPointF(0, p.X); });
    draw(s.displacement, X, [Xg](const RunSample& p) { return QPointF(p.t, p.X - Xg); });
    draw(s.velocity, Vx, [](const RunSample& p) { return QPointF(p.t, p.Vx); });
    draw(s.energy, W, [](const RunSample& p) { return QPointF(p.t, p.W); });
}

} // namespace

QColor storedRunColour(std::size_t index) {
    return QColor(hues[index % hues.size()]);
}

void drawStoredTraces(std::span<const RunRecord> runs, Surfaces& s) {
    for (std::size_t i = 0; i < runs.size(); ++i) {
        const RunRecord& run = runs[i];
        if (run.empty()) continue;
        const QColor colour = storedRunColour(i);
        forEachPlot(run, s, [&](Surface& plot, SampleQuantity quantity, auto point) {
            const KeptDrawingState kept(plot);
            plot.setPenWidth(1);
            plot.setCurrentPosition(point(run.samples().front()));
            drawRecordGraph(plot, run, quantity, colour, point);
        });
    }
}

void drawRecordedRun(const RunRecord& run, Surfaces& s) {
    if (run.empty()) return;
    forEachPlot(run, s, [&](Surface& plot, SampleQuantity quantity, auto point) {
        drawRecordGraph(plot, run, quantity, traceColour, point);
    });
}

void drawLegend(std::span<const LegendEntry> entries, Surface& panel, LegendCorner corner) {
    if (entries.empty() || !panel.hasFrame()) return;
    const KeptDrawingState kept(panel);
    constexpr double margin = 4, sample = 16, gap = 4;
    double widest = 0;
    for (const LegendEntry& e : entries)
        widest = std::max(widest, panel.textBox(e.text).width());
    const double lineHeight = panel.textBox(QStringLiteral("0")).height();
    const double left = panel.size().width() - margin - widest - gap - sample;
    const double height = double(entries.size()) * lineHeight;
    const double first =
        corner == LegendCorner::TopRight ? margin : panel.size().height() - margin - height;
    panel.setPenWidth(2);
    panel.setForeground(axisColour);
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const double top = first + double(i) * lineHeight;
        const double middle = top + lineHeight / 2;
        panel.line(panel.toUser({left, middle}), panel.toUser({left + sample, middle}),
                   entries[i].colour);
        panel.printReservedLabel(entries[i].text,
                                 QRectF(left + sample + gap, top, widest, lineHeight));
    }
}

} // namespace trelvix::graphics
