#include "graphics/phase_portrait.h"

#include "graphics/plot_texts.h"
#include "graphics/record_curve.h"
#include "graphics/style.h"
#include "model/number_text.h"

#include <vector>

namespace trelvix::graphics {

namespace {

constexpr int cellsEachWay = 2; // four cells across and down
constexpr int currentRunWidth = 2;

// Pixels kept free of grid labels around an axis name, so that a number never reads as a part
// of it.
constexpr double nameClearance = 4;

void printAxisName(Surface& portrait, QPointF at, const QString& name) {
    portrait.setCurrentPosition(at);
    const QRectF box = portrait.textBoxInside(name);
    portrait.reserveLabelArea(
        box.adjusted(-nameClearance, -nameClearance, nameClearance, nameClearance));
    portrait.printReservedLabel(name, box);
}

// A grid label at `at` with its dot; at the ends of the axes, where it would run out of the
// panel (the bottom of the velocity axis, a negative number at the left edge), it moves in by as
// much as it needs.  Neither is drawn where the label cannot stand.
void gridLabel(Surface& portrait, QPointF at, const QString& text) {
    portrait.setCurrentPosition(at);
    const QRectF box = portrait.textBox(text);
    const QRectF inside = portrait.textBoxInside(text);
    portrait.setCurrentPosition(portrait.toUser(inside.topLeft()));
    if (!portrait.printLabel(text)) return;
    portrait.point(at);
    portrait.setCurrentPosition(portrait.toUser(box.topLeft()));
}

} // namespace

PhaseFrame phaseFrame(const TimeFrames& time) {
    return {time.displacementHalfHeight, time.velocityHalfHeight};
}

void drawPhaseBackground(const PhaseFrame& f, Surface& portrait,
                         std::string_view decimalSeparator) {
    portrait.clear();
    portrait.scale(-f.halfWidth, f.halfHeight, f.halfWidth, -f.halfHeight);
    portrait.setPenWidth(1);
    portrait.setForeground(axisColour);
    printAxisName(portrait, {0.7 * f.halfWidth, -0.02 * f.halfHeight}, deviationAxisName());
    printAxisName(portrait, {0.03 * f.halfWidth, 0.98 * f.halfHeight}, velocityAxisName());
    const auto label = [&](double v) {
        return QString::fromStdString(formatNumber(v, "#0.000", decimalSeparator));
    };
    for (int j = -cellsEachWay; j <= cellsEachWay; ++j) {
        if (j == 0) continue;
        const double x = j * f.halfWidth / cellsEachWay;
        const double y = j * f.halfHeight / cellsEachWay;
        portrait.line({x, -f.halfHeight}, {x, f.halfHeight}, gridColour);
        portrait.line({-f.halfWidth, y}, {f.halfWidth, y}, gridColour);
        gridLabel(portrait, {x, 0}, label(x));
        gridLabel(portrait, {0, y}, label(y));
    }
    portrait.line({-f.halfWidth, 0}, {f.halfWidth, 0}, axisColour);
    portrait.line({0, -f.halfHeight}, {0, f.halfHeight}, axisColour);
}

void drawPhaseRecord(Surface& portrait, const RunRecord& record, const QColor& colour, int width) {
    if (record.empty()) return;
    const double Xg = record.derived().Xg;
    portrait.setPenWidth(width);
    portrait.setCurrentPosition({record.inputs().X0 - Xg, record.inputs().V0x});
    drawRecordCurve(portrait, record, colour,
                    [Xg](const RunSample& s) { return QPointF(s.X - Xg, s.Vx); });
    portrait.setPenWidth(1);
}

void drawPhaseStep(Surface& portrait, double deviation, double Vx) {
    portrait.setPenWidth(currentRunWidth);
    portrait.lineTo({deviation, Vx}, traceColour);
    portrait.setPenWidth(1);
}

} // namespace trelvix::graphics
