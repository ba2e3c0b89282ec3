#pragma once

// What the window layout hands to the plots: the shape of the Y-X panel and the rectangles of
// the background copy from the Y-X panel into the animation panel.

#include <QRect>
#include <QSize>

namespace trelvix::graphics {

struct PlotLayout {
    float planeAspect = 1; // width / height of the Y-X panel

    // The background copy, in pixels of the plane (source) and the scene (target); each value
    // is taken as a whole number.
    double sourceX = 0, sourceY = 0, sourceWidth = 0, sourceHeight = 0;
    double targetX = 0, targetY = 0, targetWidth = 0;
    float targetHeight = 0;

    QRect sourceRect() const;
    QRect targetRect() const;
};

// The values for a Y-X panel of the given size, the animation panel lying on the same
// rectangle: the aspect ratio, and both copy rectangles covering the whole panel.
PlotLayout layoutForPlane(QSize plane);

} // namespace trelvix::graphics
