#include "graphics/yx_plane.h"

#include "graphics/grid_lines.h"
#include "graphics/magnifier.h"
#include "graphics/plot_texts.h"
#include "graphics/quotient.h"
#include "graphics/style.h"
#include "model/number_text.h"

#include <cmath>

namespace trelvix::graphics {

namespace {

// Vertical lines symmetric about the axis x = 0, one extra on each side so that the edges are
// always covered.
void verticalGrid(const PlotFrames& f, Surface& plane) {
    const double s = f.shag_setki_yx;
    const double half = std::floor(f.n_kolonok_yx / 2);
    forEachGridLine(-half - 1, half + 1, s * plane.pixelsPerUnit().x(), [&](double i) {
        plane.line({i * s, f.niz_yx}, {i * s, f.verh_yx}, gridColour);
    });
}

// Horizontal lines at whole steps from one above the wheel centre to one below the frame, each
// labelled with its coordinate just right of the vertical axis.
void horizontalGrid(const Experiment& e, const PlotFrames& f, Surface& plane,
                    std::string_view decimalSeparator) {
    const double s = f.shag_setki_yx;
    const double labelX = 0.01 * (f.pravo_yx - f.levo_yx);
    forEachGridLine(-1, std::floor(e.n_setki) + 1, s * plane.pixelsPerUnit().y(), [&](double i) {
        plane.line({f.levo_yx, i * s}, {f.pravo_yx, i * s}, gridColour);
        plane.point({labelX, i * s});
        plane.print(QString::fromStdString(formatNumber(i * s, "0.000", decimalSeparator)));
    });
}

// The vertical axis through the wheel centre and the horizontal one at its level.
void axisLines(const PlotFrames& f, Surface& plane) {
    plane.line({0, f.niz_yx}, {0, f.verh_yx}, axisColour);
    plane.line({f.levo_yx, 0}, {f.pravo_yx, 0}, axisColour);
}

void axisNames(const PlotFrames& f, Surface& plane) {
    const double width = f.pravo_yx - f.levo_yx;
    plane.setCurrentPosition({0.05 * width, 0.95 * f.niz_yx});
    plane.print(QString::fromUtf8(yxVerticalAxisName));
    plane.setCurrentPosition({f.pravo_yx - 0.05 * width, 0.01 * f.niz_yx});
    plane.print(QString::fromUtf8(yxHorizontalAxisName));
}

void equilibriumLine(const Experiment& e, const PlotFrames& f, Surface& plane) {
    plane.setDrawWidth(1);
    plane.setDrawStyle(DrawStyle::Dashed);
    plane.line({f.levo_yx, e.Xg}, {f.pravo_yx, e.Xg}, traceColour);
    plane.setDrawStyle(DrawStyle::Solid);
}

// A grey disc about the wheel centre whose radius is the amplitude of the drive.
void wheel(Experiment& e, Surface& plane) {
    plane.setDrawWidth(3);
    plane.setFillColor(wheelColour);
    plane.setFillStyle(FillStyle::Solid);
    e.koleso_x = 0;
    e.koleso_y = 0;
    plane.circle({e.koleso_x, e.koleso_y}, e.R_kolesa, axisColour);
}

} // namespace

void axes(Experiment& e, PlotFrames& f, Surfaces& s, std::string_view decimalSeparator) {
    Surface& plane = s.picture1;
    f.shag_setki_yx = quotient(f.niz_yx - f.verh_yx, e.n_setki);
    f.n_kolonok_yx = quotient(f.pravo_yx - f.levo_yx, f.shag_setki_yx);

    plane.setDrawWidth(1);
    verticalGrid(f, plane);
    horizontalGrid(e, f, plane, decimalSeparator);
    magnifierGrid(e, f, s.form3, decimalSeparator);

    plane.setDrawWidth(3);
    axisLines(f, plane);
    magnifierAxis(f, s.form3);
    axisNames(f, plane);

    equilibriumLine(e, f, plane);
    wheel(e, plane);
    plane.point({0, e.X0});
    magnifierStart(e, f, s.form3);
}

} // namespace trelvix::graphics
