#include "graphics/grid_lines.h"

#include <cmath>

namespace trelvix::graphics {

namespace {
// More lines than any screen has pixel columns: a safety net, never reached by a real panel.
constexpr double mostLines = 100000;
} // namespace

GridRun gridRun(double from, double to, double pixelsPerStep) {
    const double spacing = std::abs(pixelsPerStep);
    if (!std::isfinite(from) || !std::isfinite(to) || !(spacing > 0)) return {};
    const double stride = spacing >= 1 ? 1 : std::ceil(1 / spacing);
    if (!std::isfinite(stride)) return {};
    const double firstMultiple = std::ceil(from / stride);
    const double lastMultiple = std::floor(to / stride);
    if (!(lastMultiple >= firstMultiple)) return {};
    const double count = std::fmin(lastMultiple - firstMultiple + 1, mostLines);
    return {firstMultiple * stride, stride, static_cast<long long>(count)};
}

long long labelStride(double pixelSpacing, double labelExtent) {
    // A gap of a few pixels between neighbours keeps them readable as separate numbers.
    constexpr double gap = 4;
    constexpr long long widest = 1LL << 40;
    const double spacing = std::fabs(pixelSpacing);
    long long stride = 1;
    while (stride < widest && spacing * double(stride) < labelExtent + gap)
        stride *= 2;
    return stride;
}

bool carriesLabel(double i, long long stride) {
    return std::fmod(i, double(stride)) == 0;
}

} // namespace trelvix::graphics
