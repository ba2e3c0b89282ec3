#include "graphics/magnifier.h"

#include "graphics/style.h"
#include "model/number_text.h"

#include <algorithm>
#include <cmath>

namespace trelvix::graphics {

namespace {

// The view is four grid cells each way, whatever the zoom: three inner lines.  Counting them
// from the frame's extent, as a ratio of floating-point values, could drop the last one.
constexpr int innerGridLines = 3;

// The cell size of the magnifier's grid: a quarter of the view's side.
double cell(const Experiment& e, const MagnifierFrame& f) {
    return f.halfStep * e.view.magnifierZoom;
}

// A marker position along one axis: the pixel, or just outside the window when the ball is far
// beyond it or nowhere.
double keptNearWindow(double pixel, double windowSide, double markerSide) {
    if (!std::isfinite(pixel)) return -markerSide;
    return std::clamp(pixel, -markerSide, windowSide + markerSide);
}

} // namespace

MagnifierFrame magnifierFrame(const Experiment& e, const PlaneFrame& plane) {
    const double zoom = e.view.magnifierZoom;
    const double Xg = e.derived.Xg;
    MagnifierFrame f;
    f.step = plane.gridStep;
    f.halfStep = f.step / 2;
    f.left = f.step * -zoom;
    f.right = zoom * f.step;
    f.top = Xg - zoom * f.step;
    f.bottom = Xg + zoom * f.step;
    return f;
}

void drawMagnifierGrid(const Experiment& e, const MagnifierFrame& f, Surface& magnifier,
                       std::string_view decimalSeparator) {
    const double s = cell(e, f);
    for (int j = 1; j <= innerGridLines; ++j) {
        const double x = f.left + j * s;
        magnifier.line({x, f.top}, {x, f.bottom}, gridColour);
        magnifier.point({x, e.derived.Xg});
    }
    for (int j = 1; j <= innerGridLines; ++j) {
        const double y = f.top + j * s;
        magnifier.line({f.left, y}, {f.right, y}, gridColour);
        magnifier.point({0, y});
        magnifier.print(QString::fromStdString(formatNumber(y, "#0.0000", decimalSeparator)));
    }
}

void drawMagnifierAxis(const MagnifierFrame& f, Surface& magnifier) {
    magnifier.line({0, f.bottom}, {0, f.top}, axisColour);
}

void drawMagnifierStart(const Experiment& e, const MagnifierFrame& f, Surface& magnifier) {
    magnifier.setDrawWidth(1);
    magnifier.setDrawStyle(DrawStyle::Dashed);
    magnifier.line({f.left, e.derived.Xg}, {f.right, e.derived.Xg}, traceColour);
    magnifier.setDrawStyle(DrawStyle::Solid);
    magnifier.point({0, e.inputs.X0});
}

void drawMagnifierTrace(Surface& magnifier, double X) {
    magnifier.setDrawWidth(3);
    magnifier.lineTo({0, X}, traceColour);
    magnifier.setDrawWidth(1);
}

QRect markerRect(const Surface& magnifier, double X, QSize markerSize) {
    const QPointF centre = magnifier.toPixel({0, X});
    const double x = keptNearWindow(centre.x(), magnifier.size().width(), markerSize.width());
    const double y = keptNearWindow(centre.y(), magnifier.size().height(), markerSize.height());
    return QRect(QPoint(int(std::lround(x - markerSize.width() / 2.0)),
                        int(std::lround(y - markerSize.height() / 2.0))),
                 markerSize);
}

} // namespace trelvix::graphics
