#pragma once

// The curve of a recorded run on one plot, drawn from the plot's current position through its
// samples.  A record may hold a million samples and a panel is a few thousand pixels wide, so the
// samples are reduced per pixel column first (ColumnReduction): the cost follows the panel's
// width.  On a graph whose points never move back across the panel (a graph of time, or a line at
// one place) only the samples over the panel are looked at, and a block of them that lies inside
// one column stands in with its first, lowest, highest and last sample (RunRecord::blocks()), so
// most samples are not even read.  The reduced points go to the surface in batches, so no batch
// is so short that the painter's set-up costs more than its lines.

#include "graphics/column_reduction.h"
#include "graphics/surface.h"
#include "model/run_record.h"

#include <QColor>
#include <QPointF>
#include <algorithm>
#include <array>
#include <cmath>
#include <utility>
#include <vector>

namespace trelvix::graphics {

inline constexpr std::size_t pointsPerBatch = 4096;

namespace detail {

// Draws the points `feed(reduction, drawFull)` adds to the reduction, a batch at a time; the
// current position ends at `end`, also where nothing can be drawn.
template <class Feed>
void drawReduced(Surface& plot, const QColor& colour, QPointF end, Feed feed) {
    if (plot.hasFrame()) {
        std::vector<QPointF> points;
        points.reserve(pointsPerBatch + 4);
        ColumnReduction reduction(plot, points);
        const auto drawFull = [&] {
            if (points.size() < pointsPerBatch) return;
            plot.polylineTo(points, colour);
            points.clear();
        };
        feed(reduction, drawFull);
        reduction.finish();
        if (!points.empty()) plot.polylineTo(points, colour);
    }
    plot.setCurrentPosition(end);
}

// The samples [first, last) of a graph that can show on `plot`: those within a pen's reach of the
// panel across, and one more on each side, so that the lines entering and leaving it are whole.
// All of them when the graph runs from right to left or its ends are not numbers.
template <class Point>
std::pair<std::size_t, std::size_t>
stretchOverPanel(const Surface& plot, const std::vector<RunSample>& samples, Point point) {
    const auto x = [&](const RunSample& s) { return plot.toPixel(point(s)).x(); };
    if (!(x(samples.front()) <= x(samples.back()))) return {0, samples.size()};
    const double reach = plot.penWidth() + 1;
    const auto left = std::partition_point(samples.begin(), samples.end(),
                                           [&](const RunSample& s) { return x(s) < -reach; });
    const double right = plot.size().width() + reach;
    const auto beyond = std::partition_point(left, samples.end(),
                                             [&](const RunSample& s) { return x(s) <= right; });
    const auto first = std::size_t(left - samples.begin());
    const auto last = std::size_t(beyond - samples.begin());
    return {first > 0 ? first - 1 : 0, std::min(last + 1, samples.size())};
}

// The samples [first, last) of a graph added to `reduction`: where a block of the record starts
// at a sample, ends before `last` and lies inside one column, its first, lowest, highest and last
// sample stand for it, the largest such block first.
template <class Point, class DrawFull>
void addGraphStretch(ColumnReduction& reduction, DrawFull drawFull, const Surface& plot,
                     const RunRecord& run, SampleQuantity quantity, Point point,
                     std::pair<std::size_t, std::size_t> stretch) {
    const std::vector<RunSample>& samples = run.samples();
    const auto column = [&](std::size_t i) {
        return std::floor(plot.toPixel(point(samples[i])).x());
    };
    const std::size_t first = stretch.first;
    const std::size_t last = stretch.second;
    // The largest block at sample i that can stand for its samples: its length, 0 for none.
    const auto blockAt = [&](std::size_t i, std::size_t& level) -> std::size_t {
        for (level = RunRecord::blockLevels; level-- > 0;) {
            const std::size_t length = RunRecord::blockLength(level);
            const std::size_t index = i / length;
            if (i % length != 0 || i + length > last || index >= run.blocks(level).size()) continue;
            if (run.blocks(level)[index].finite && column(i) == column(i + length - 1))
                return length;
        }
        return 0;
    };
    for (std::size_t i = first; i < last; drawFull()) {
        std::size_t level = 0;
        const std::size_t length = blockAt(i, level);
        if (length == 0) {
            reduction.add(point(samples[i++]));
            continue;
        }
        const std::size_t index = i / length;
        std::array<std::size_t, 4> kept{i, run.extremeSample(level, index, quantity, false),
                                        run.extremeSample(level, index, quantity, true),
                                        i + length - 1};
        std::sort(kept.begin(), kept.end());
        for (std::size_t k = 0; k < kept.size(); ++k)
            if (k == 0 || kept[k] != kept[k - 1]) reduction.add(point(samples[kept[k]]));
        i += length;
    }
}

} // namespace detail

// `point` maps a RunSample to user coordinates of `plot`.
template <class Point>
void drawRecordCurve(Surface& plot, const RunRecord& run, const QColor& colour, Point point) {
    if (run.empty()) return;
    detail::drawReduced(plot, colour, point(run.samples().back()),
                        [&](ColumnReduction& reduction, auto drawFull) {
                            for (const RunSample& sample : run.samples()) {
                                reduction.add(point(sample));
                                drawFull();
                            }
                        });
}

// The same for a graph: `point` never moves back across the plot from one sample to the next,
// and its vertical coordinate is `quantity` plus a constant.  Only the samples over the panel are
// read, and of a block inside one column only its extremes.
template <class Point>
void drawRecordGraph(Surface& plot, const RunRecord& run, SampleQuantity quantity,
                     const QColor& colour, Point point) {
    if (run.empty()) return;
    detail::drawReduced(
        plot, colour, point(run.samples().back()), [&](ColumnReduction& reduction, auto drawFull) {
            detail::addGraphStretch(reduction, drawFull, plot, run, quantity, point,
                                    detail::stretchOverPanel(plot, run.samples(), point));
        });
}

} // namespace trelvix::graphics
