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
    forEachGridLine(-1, lastLine, s * plane.pixelsPerUnit().y(), [&](double i) {
        plane.line({f.left, i * s}, {f.right, i * s}, gridColour);
        plane.point({labelX, i * s});
        plane.print(QString::fromStdString(formatNumber(i * s, "0.000", decimalSeparator)));
    });
}

// The vertical axis through the wheel centre and the horizontal one at its level.
void axisLines(const PlaneFrame& f, Surface& plane) {
    plane.line({0, f.bottom}, {0, f.top}, axisColour);
    plane.line({f.left, 0}, {f.right, 0}, axisColour);
}

void axisNames(const PlaneFrame& f, Surface& plane) {
    const double width = f.right - f.left;
    plane.setCurrentPosition({0.05 * width, 0.95 * f.bottom});
    plane.print(QString::fromUtf8(yxVerticalAxisName));
    plane.setCurrentPosition({f.right - 0.05 * width, 0.01 * f.bottom});
    plane.print(QString::fromUtf8(yxHorizontalAxisName));
}

void equilibriumLine(const Experiment& e, const PlaneFrame& f, Surface& plane) {
    plane.setDrawWidth(1);
    plane.setDrawStyle(DrawStyle::Dashed);
    plane.line({f.left, e.derived.Xg}, {f.right, e.derived.Xg}, traceColour);
    plane.setDrawStyle(DrawStyle::Solid);
}

// A grey disc about the wheel centre whose radius is the amplitude of the drive.
void wheel(const Experiment& e, Surface& plane) {
    plane.setDrawWidth(3);
    plane.setFillColor(wheelColour);
    plane.setFillStyle(FillStyle::Solid);
    plane.circle(wheelCentre, e.inputs.wheelRadius(), axisColour);
}

} // namespace

void drawPlane(const Experiment& e, const PlotFrames& f, Surfaces& s,
               std::string_view decimalSeparator) {
    Surface& plane = s.plane;
    plane.setDrawWidth(1);
    verticalGrid(f.plane, plane);
    horizontalGrid(e, f.plane, plane, decimalSeparator);
    drawMagnifierGrid(e, f.magnifier, s.magnifier, decimalSeparator);

    plane.setDrawWidth(3);
    axisLines(f.plane, plane);
    drawMagnifierAxis(f.magnifier, s.magnifier);
    axisNames(f.plane, plane);

    equilibriumLine(e, f.plane, plane);
    wheel(e, plane);
    plane.point({0, e.inputs.X0});
    drawMagnifierStart(e, f.magnifier, s.magnifier);
}

} // namespace trelvix::graphics
