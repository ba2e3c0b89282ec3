#include "graphics/magnifier.h"

#include "graphics/quotient.h"
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
double cell(const Experiment& e, const PlotFrames& f) {
    return f.polshaga_lupy * e.masshtab_1;
}

// A marker position along one axis: the pixel, or just outside the window when the ball is far
// beyond it or nowhere.
double keptNearWindow(double pixel, double windowSide, double markerSide) {
    if (!std::isfinite(pixel)) return -markerSide;
    return std::clamp(pixel, -markerSide, windowSide + markerSide);
}

} // namespace

void magnifierFrame(const Experiment& e, PlotFrames& f) {
    f.shag_lupy = quotient(f.niz_yx - f.verh_yx, e.n_setki);
    f.polshaga_lupy = f.shag_lupy / 2;
    f.levo_lupy = f.shag_lupy * -e.masshtab_1;
    f.pravo_lupy = e.masshtab_1 * f.shag_lupy;
    f.verh_lupy = e.Xg - e.masshtab_1 * f.shag_lupy;
    f.niz_lupy = e.Xg + e.masshtab_1 * f.shag_lupy;
}

void magnifierGrid(const Experiment& e, const PlotFrames& f, Surface& form3,
                   std::string_view decimalSeparator) {
    const double s = cell(e, f);
    for (int j = 1; j <= innerGridLines; ++j) {
        const double x = f.levo_lupy + j * s;
        form3.line({x, f.verh_lupy}, {x, f.niz_lupy}, gridColour);
        form3.point({x, e.Xg});
    }
    for (int j = 1; j <= innerGridLines; ++j) {
        const double y = f.verh_lupy + j * s;
        form3.line({f.levo_lupy, y}, {f.pravo_lupy, y}, gridColour);
        form3.point({0, y});
        form3.print(QString::fromStdString(formatNumber(y, "#0.0000", decimalSeparator)));
    }
}

void magnifierAxis(const PlotFrames& f, Surface& form3) {
    form3.line({0, f.niz_lupy}, {0, f.verh_lupy}, axisColour);
}

void magnifierStart(const Experiment& e, const PlotFrames& f, Surface& form3) {
    form3.setDrawWidth(1);
    form3.setDrawStyle(DrawStyle::Dashed);
    form3.line({f.levo_lupy, e.Xg}, {f.pravo_lupy, e.Xg}, traceColour);
    form3.setDrawStyle(DrawStyle::Solid);
    form3.point({0, e.X0});
}

void magnifierTrace(Surface& form3, double X_1) {
    form3.setDrawWidth(3);
    form3.lineTo({0, X_1}, traceColour);
    form3.setDrawWidth(1);
}

QRect markerRect(const Surface& form3, double X, QSize markerSize) {
    const QPointF centre = form3.toPixel({0, X});
    const double x = keptNearWindow(centre.x(), form3.size().width(), markerSize.width());
    const double y = keptNearWindow(centre.y(), form3.size().height(), markerSize.height());
    return QRect(QPoint(int(std::lround(x - markerSize.width() / 2.0)),
                        int(std::lround(y - markerSize.height() / 2.0))),
                 markerSize);
}

} // namespace trelvix::graphics
