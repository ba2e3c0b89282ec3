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
    return pixelRect(sourceX, sourceY, sourceWidth, sourceHeight);
}

QRect PlotLayout::targetRect() const {
    return pixelRect(targetX, targetY, targetWidth, targetHeight);
}

PlotLayout layoutForPlane(QSize plane) {
    PlotLayout layout;
    // An empty panel has no shape: the frames computed from it are unusable and its drawing is
    // skipped.
    layout.planeAspect = plane.height() > 0 ? float(double(plane.width()) / plane.height())
                                            : std::numeric_limits<float>::quiet_NaN();
    layout.sourceWidth = layout.targetWidth = plane.width();
    layout.sourceHeight = plane.height();
    layout.targetHeight = float(plane.height());
    return layout;
}

} // namespace trelvix::graphics
