#pragma once

// What the window layout hands to the plots: the shape of the Y-X panel and the rectangles of
// the background copy from the Y-X panel into the animation panel.

#include <QRect>
#include <QSize>

namespace trelvix::graphics {

struct PlotLayout {
    float koeff_1 = 1; // width / height of Picture1

    // The background copy, in pixels of Picture1 (source) and Picture2 (destination); each value
    // is taken as a whole number.
    double istochnik_x = 0, istochnik_y = 0, istochnik_w = 0, istochnik_h = 0;
    double kopiya_x = 0, kopiya_y = 0, kopiya_w = 0;
    float kopiya_h = 0;

    QRect sourceRect() const;
    QRect targetRect() const;
};

// The values for a Picture1 of the given size, Picture2 lying on the same rectangle: the
// aspect ratio, and both copy rectangles covering the whole panel.
PlotLayout layoutForPicture1(QSize picture1);

} // namespace trelvix::graphics
