#pragma once

// The layout of the main window as a pure function of the size of its client area.
//
// The right-hand block (parameter rows, result rows, run controls) keeps its size and stays
// anchored to the right edge; the plots take whatever width is left on the left.  All
// arithmetic is done exactly in logical pixels; only at the end each edge of a rectangle is
// rounded to the nearest whole pixel (halves upwards), and the width and height are the
// distances between the rounded edges.  Neighbours therefore stay flush: a 4 px gap between
// 464.8 and 468.8 remains 4 px.  A width or height that would come out negative (a client area
// far too small for the arithmetic) becomes 0.

#include "graphics/plot_layout.h"

#include <QRect>
#include <QSize>
#include <string_view>
#include <vector>

class QWidget;

namespace trelvix {

// The height of every row of the right-hand block: captions, fields and results.
inline constexpr int rowHeightOfTheRightBlock = 26;

struct MainControls;

// The control a rectangle is for: one of a row of controls, or a single one.
struct ControlRef {
    using Pick = QWidget* (*)(const MainControls& controls, std::size_t index);
    Pick pick;
    std::size_t index = 0;
    QWidget* in(const MainControls& controls) const { return pick(controls, index); }
};

struct Placement {
    const char* name; // object name of the control
    ControlRef control;
    QRect rect; // in logical pixels of the client area
};

struct Layout {
    std::vector<Placement> placements; // every control the layout places, in placing order
    // The shape of the Y-X plane panel and the rectangles of the transparent copy of it onto the
    // animation panel, which lies on the same rectangle.
    graphics::PlotLayout plots;

    // The rectangle of the named control, or a null rectangle for a control that the layout
    // leaves where it is (the option buttons).
    QRect rect(std::string_view name) const;

    // Gives every placed control its rectangle.
    void apply(const MainControls& controls) const;
};

Layout layoutFor(QSize client);

} // namespace trelvix
