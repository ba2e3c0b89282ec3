#pragma once

// Cutting a line segment to a rectangle before it reaches the painter: the raster engine works in
// fixed point and draws nonsense (or takes ages) for coordinates millions of pixels away, which a
// trace of a diverging run or an extreme frame easily produces.

#include <QPointF>
#include <QRectF>
#include <optional>
#include <utility>

namespace trelvix::graphics {

// The part of the segment a–b inside `box` (Liang–Barsky).  Nothing when the segment misses the
// box or has a non-finite end.  A segment of zero length inside the box comes back unchanged.
std::optional<std::pair<QPointF, QPointF>> clipSegment(QPointF a, QPointF b, const QRectF& box);

} // namespace trelvix::graphics
