#pragma once

#include <limits>

namespace trelvix::graphics {

// a/b, or NaN when b is zero: a frame or grid step computed from it is then merely unusable,
// and the surface skips that drawing, where a division fault would stop the program.
template <class Number> Number quotientOrNaN(Number a, Number b) {
    return b != 0 ? a / b : std::numeric_limits<Number>::quiet_NaN();
}

} // namespace trelvix::graphics
