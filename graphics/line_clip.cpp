#include "graphics/line_clip.h"

#include <cmath>

namespace trelvix::graphics {

namespace {

bool isFinite(QPointF p) {
    return std::isfinite(p.x()) && std::isfinite(p.y());
}

// Where the segment enters or leaves the box: its parameter along the segment and, when an edge
// of the box decides it, which coordinate that edge fixes and to what.
struct Crossing {
    double u;
    enum { None, X, Y } edge = None;
    double at = 0;
};

// Narrows [enter, leave] by one edge of the box, given as p·u ≤ q: the edge lies at `edgeValue`
// of the coordinate `edge`.  False when the segment lies wholly outside that edge.
bool narrow(double p, double q, decltype(Crossing::edge) edge, double edgeValue, Crossing& enter,
            Crossing& leave) {
    if (p == 0) return q >= 0;
    const double u = q / p;
    if (p < 0) {
        if (u > leave.u) return false;
        if (u > enter.u) enter = {u, edge, edgeValue};
    } else {
        if (u < enter.u) return false;
        if (u < leave.u) leave = {u, edge, edgeValue};
    }
    return true;
}

} // namespace

std::optional<std::pair<QPointF, QPointF>> clipSegment(QPointF a, QPointF b, const QRectF& box) {
    if (!isFinite(a) || !isFinite(b)) return std::nullopt;
    // The difference of two finite coordinates can still overflow; halving both keeps it finite.
    const double dx = b.x() / 2 - a.x() / 2;
    const double dy = b.y() / 2 - a.y() / 2;
    Crossing enter{0};
    Crossing leave{1};
    if (!narrow(-dx, (a.x() - box.left()) / 2, Crossing::X, box.left(), enter, leave) ||
        !narrow(dx, (box.right() - a.x()) / 2, Crossing::X, box.right(), enter, leave) ||
        !narrow(-dy, (a.y() - box.top()) / 2, Crossing::Y, box.top(), enter, leave) ||
        !narrow(dy, (box.bottom() - a.y()) / 2, Crossing::Y, box.bottom(), enter, leave))
        return std::nullopt;
    // A point on an edge takes the edge's own coordinate: computed from ends millions of pixels
    // away it would carry their rounding error.  The other coordinate is exact for lines along
    // an axis, the grid lines and the vertical traces.
    const auto at = [&](const Crossing& c) {
        if (c.edge == Crossing::None) return c.u == 0 ? a : b;
        QPointF p(a.x() + c.u * dx + c.u * dx, a.y() + c.u * dy + c.u * dy);
        if (c.edge == Crossing::X) p.setX(c.at);
        if (c.edge == Crossing::Y) p.setY(c.at);
        return p;
    };
    return std::pair{at(enter), at(leave)};
}

} // namespace trelvix::graphics
