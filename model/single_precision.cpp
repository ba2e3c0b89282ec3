#include "model/single_precision.h"

#include <cmath>
#include <limits>

namespace trelvix {

namespace {
// Half a unit in the last place above FLT_MAX: from here on, rounding to float gives infinity.
const double floatOverflowThreshold = std::ldexp(1.0, 128) - std::ldexp(1.0, 103);
} // namespace

float toSingle(double x) {
    if (std::isfinite(x) && std::fabs(x) >= floatOverflowThreshold)
        return x > 0 ? std::numeric_limits<float>::infinity()
                     : -std::numeric_limits<float>::infinity();
    return static_cast<float>(x);
}

float toSingleSaturated(double x) {
    const double largest = std::numeric_limits<float>::max();
    if (x > largest) return std::numeric_limits<float>::max();
    if (x < -largest) return -std::numeric_limits<float>::max();
    return static_cast<float>(x);
}

} // namespace trelvix
