#pragma once

// Long curves reduced to what a panel can show.  Where many consecutive points of a polyline fall
// into one pixel column, the line through them fills that column from their lowest to their
// highest point, whatever their order; the line through the first, the lowest, the highest and
// the last of them (in their own order) fills the same column, and it meets the neighbouring
// columns where the whole line did.  So a curve of a million points costs at most four points per
// column of the panel.  A column of four points or fewer keeps them all.

#include "graphics/surface.h"

#include <QPointF>
#include <array>
#include <cstddef>
#include <vector>

namespace trelvix::graphics {

class ColumnReduction {
public:
    // Appends the reduced points, in user coordinates of `plot`, to `out` as their columns are
    // done.
    ColumnReduction(const Surface& plot, std::vector<QPointF>& out);

    // The next point of the polyline, in user coordinates.  A point whose column is not a number
    // is a column of its own.
    void add(QPointF user);
    // Appends the points of the column in progress: after the last point.
    void finish();

private:
    struct Kept {
        QPointF user;
        double pixelY = 0;
        std::size_t order = 0; // within the column
    };

    const Surface& plot_;
    std::vector<QPointF>& out_;
    double column_ = 0;
    std::size_t count_ = 0; // points in the column so far
    std::array<QPointF, 4> firstFew_;
    Kept lowest_, highest_, last_;
};

} // namespace trelvix::graphics
