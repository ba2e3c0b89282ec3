#include "graphics/column_reduction.h"

#include <algorithm>
#include <cmath>

namespace trelvix::graphics {

ColumnReduction::ColumnReduction(const Surface& plot, std::vector<QPointF>& out)
    : plot_(plot), out_(out) {}

void ColumnReduction::add(QPointF user) {
    const QPointF pixel = plot_.toPixel(user);
    const double column = std::floor(pixel.x());
    if (count_ > 0 && column != column_) finish();
    const Kept point{user, pixel.y(), count_};
    if (count_ == 0) {
        column_ = column;
        lowest_ = highest_ = point;
    }
    if (count_ < firstFew_.size()) firstFew_[count_] = user;
    // Pixel rows grow downward: the lowest point has the largest row.  The earliest of equals
    // stays.
    if (pixel.y() > lowest_.pixelY) lowest_ = point;
    if (pixel.y() < highest_.pixelY) highest_ = point;
    last_ = point;
    ++count_;
}

void ColumnReduction::finish() {
    if (count_ <= firstFew_.size()) {
        out_.insert(out_.end(), firstFew_.begin(), firstFew_.begin() + std::ptrdiff_t(count_));
    } else {
        std::array<Kept, 4> kept{Kept{firstFew_[0], 0, 0}, lowest_, highest_, last_};
        std::sort(kept.begin(), kept.end(),
                  [](const Kept& a, const Kept& b) { return a.order < b.order; });
        for (std::size_t i = 0; i < kept.size(); ++i)
            if (i == 0 || kept[i].order != kept[i - 1].order) out_.push_back(kept[i].user);
    }
    count_ = 0;
}

} // namespace trelvix::graphics
