#include "graphics/yx_plane.h"

#include "graphics/grid_lines.h"
#include "graphics/magnifier.h"
#include "graphics/plot_texts.h"
#include "graphics/style.h"
#include "model/number_text.h"

#include <cmath>

namespace trelvix::graphics {

namespace {

// Vertical lines symmetric about the axis x = 0, one extra on each side so that the edges are
// always covered.
void verticalGrid(const PlaneFrame& f, Surface& plane) {
    const double s = f.gridStep;
    const double half = std::floor(f.columns / 2);
    forEachGridLine(-half - 1, half + 1, s * plane.pixelsPerUnit().x(), [&](double i) {
        plane.line({i * s, f.bottom}, {i * s, f.top}, gridColour);
    });
}

// Horizontal lines at whole steps from one above the wheel centre to one below the frame, each
// labelled with its coordinate just right of the vertical axis.
void horizontalGrid(const Experiment& e, const PlaneFrame& f, Surface& plane,
                    std::string_view decimalSeparator) {
    const double s = f.gridStep;
    const double labelX = 0.01 * (f.right - f.left);
    const double lastLine = std::floor(e.view.gridDivisions) + 1;
    const double pixelsPerLine = s * plane.pixelsPerUnit().y();
    const long long stride =
        labelStride(pixelsPerLine, plane.textBox(QStringLiteral("0")).height());
    forEachGridLine(-1, lastLine, pixelsPerLine, [&](double i) {
        plane.line({f.left, i * s}, {f.right, i * s}, gridColour);
        if (carriesLabel(i, stride))
            plane.pointWithLabel({labelX, i * s}, QString::fromStdString(formatNumber(
                                                      i * s, "0.000", decimalSeparator)));
    });
}

// The vertical axis through the wheel centre and the horizontal one at its level.
void axisLines(const PlaneFrame& f, Surface& plane) {
    plane.line({0, f.bottom}, {0, f.top}, axisColour);
    plane.line({f.left, 0}, {f.right, 0}, axisColour);
}

// The places of the two axis names, moved inside the panel where they would be cut, and kept
// free of the grid labels drawn before the names themselves.
struct AxisNames {
    QRectF vertical;
    QRectF horizontal;
};

QRectF reserveName(Surface& plane, QPointF at, const QString& name) {
    plane.setCurrentPosition(at);
    const QRectF box = plane.textBoxInside(name);
    plane.reserveLabelArea(box);
    return box;
}

AxisNames reserveAxisNames(const PlaneFrame& f, Surface& plane) {
    const double width = f.right - f.left;
    return {reserveName(plane, {0.05 * width, 0.95 * f.bottom}, yxVerticalAxisName()),
            reserveName(plane, {f.right - 0.05 * width, 0.01 * f.bottom}, yxHorizontalAxisName())};
}

void axisNames(const AxisNames& names, Surface& plane) {
    plane.printReservedLabel(yxVerticalAxisName(), names.vertical);
    plane.printReservedLabel(yxHorizontalAxisName(), names.horizontal);
}

void equilibriumLine(const Experiment& e, const PlaneFrame& f, Surface& plane) {
    plane.setPenWidth(1);
    plane.setLineStyle(LineStyle::Dashed);
    plane.line({f.left, e.derived.Xg}, {f.right, e.derived.Xg}, traceColour);
    plane.setLineStyle(LineStyle::Solid);
}

// A grey disc about the wheel centre whose radius is the amplitude of the drive.
void wheel(const Experiment& e, Surface& plane) {
    plane.setPenWidth(3);
    plane.setFillColor(wheelColour);
    plane.setFillStyle(FillStyle::Solid);
    plane.circle(wheelCentre, e.inputs.wheelRadius(), axisColour);
}

} // namespace

void drawPlane(const Experiment& e, const PlotFrames& f, Surfaces& s,
               std::string_view decimalSeparator) {
    Surface& plane = s.plane;
    const AxisNames names = reserveAxisNames(f.plane, plane);
    plane.setPenWidth(1);
    verticalGrid(f.plane, plane);
    horizontalGrid(e, f.plane, plane, decimalSeparator);
    drawMagnifierGrid(e, f.magnifier, s.magnifier, decimalSeparator);

    plane.setPenWidth(3);
    axisLines(f.plane, plane);
    drawMagnifierAxis(f.magnifier, s.magnifier);
    axisNames(names, plane);

    equilibriumLine(e, f.plane, plane);
    wheel(e, plane);
    plane.point({0, e.inputs.X0});
    drawMagnifierStart(e, f.magnifier, s.magnifier);
}

} // namespace trelvix::graphics
