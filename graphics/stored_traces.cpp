#include "graphics/stored_traces.h"

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

template <class Point> std::vector<QPointF> pointsOf(const RunRecord& run, Point point) {
    std::vector<QPointF> points;
    points.reserve(run.samples().size());
    for (const RunSample& s : run.samples())
        points.push_back(point(s));
    return points;
}

// The point of a sample on each of the four plots of a run.
QPointF onPlane(const RunSample& p) {
    return {0, p.X};
}
QPointF onVelocityGraph(const RunSample& p) {
    return {p.t, p.Vx};
}
QPointF onEnergyGraph(const RunSample& p) {
    return {p.t, p.W};
}
auto onDisplacementGraph(double Xg) {
    return [Xg](const RunSample& p) { return QPointF(p.t, p.X - Xg); };
}

template <class Point>
void drawCurve(Surface& panel, const RunRecord& run, const QColor& colour, Point point) {
    const KeptDrawingState kept(panel);
    const std::vector<QPointF> points = pointsOf(run, point);
    panel.setPenWidth(1);
    panel.setCurrentPosition(points.front());
    panel.polylineTo(points, colour);
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
        drawCurve(s.plane, run, colour, onPlane);
        drawCurve(s.displacement, run, colour, onDisplacementGraph(run.derived().Xg));
        drawCurve(s.velocity, run, colour, onVelocityGraph);
        drawCurve(s.energy, run, colour, onEnergyGraph);
    }
}

void drawRecordedRun(const RunRecord& run, Surfaces& s) {
    if (run.empty()) return;
    s.plane.polylineTo(pointsOf(run, onPlane), traceColour);
    s.displacement.polylineTo(pointsOf(run, onDisplacementGraph(run.derived().Xg)), traceColour);
    s.velocity.polylineTo(pointsOf(run, onVelocityGraph), traceColour);
    s.energy.polylineTo(pointsOf(run, onEnergyGraph), traceColour);
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
