#include "graphics/plot_layout.h"

#include <cmath>
#include <limits>

namespace trelvix::graphics {

namespace {

// Far beyond any image, yet safe to convert to int.
constexpr double largestPixelValue = 1e7;

int wholePixels(double v) {
    return static_cast<int>(std::lround(v));
}

// A rectangle from four pixel values; an empty one when a value is not a usable number, so that
// the copy is skipped.
QRect pixelRect(double x, double y, double w, double h) {
    for (double v : {x, y, w, h})
        if (!(std::abs(v) <= largestPixelValue)) return {};
    return QRect(wholePixels(x), wholePixels(y), wholePixels(w), wholePixels(h));
}

} // namespace

QRect PlotLayout::sourceRect() const {
    return pixelRect(istochnik_x, istochnik_y, istochnik_w, istochnik_h);
}

QRect PlotLayout::targetRect() const {
    return pixelRect(kopiya_x, kopiya_y, kopiya_w, kopiya_h);
}

PlotLayout layoutForPicture1(QSize picture1) {
    PlotLayout layout;
    // An empty panel has no shape: the frames computed from it are unusable and its drawing is
    // skipped.
    layout.koeff_1 = picture1.height() > 0 ? float(double(picture1.width()) / picture1.height())
                                           : std::numeric_limits<float>::quiet_NaN();
    layout.istochnik_w = layout.kopiya_w = picture1.width();
    layout.istochnik_h = picture1.height();
    layout.kopiya_h = float(picture1.height());
    return layout;
}

} // namespace trelvix::graphics
