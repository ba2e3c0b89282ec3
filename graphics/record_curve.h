#pragma once

// The curve of a recorded run on one plot, drawn from the plot's current position through its
// samples.  A record may hold a million samples and a panel is a few thousand pixels wide, so the
// samples are reduced per pixel column first (ColumnReduction): the cost follows the panel's
// width.  On a graph whose points never move back across the panel (a graph of time, or a line at
// one place) a block of samples that lies inside one column stands in with its first, lowest,
// highest and last sample (RunRecord::blocks()), so most samples are not even read.  The reduced
// points go to the surface in batches, so no batch is so short that the painter's set-up costs
// more than its lines.

#include "graphics/column_reduction.h"
#include "graphics/surface.h"
#include "model/run_record.h"

#include <QColor>
#include <QPointF>
#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace trelvix::graphics {

inline constexpr std::size_t pointsPerBatch = 4096;

namespace detail {

// Draws the points `feed(reduction, drawFull)` adds to the reduction, a batch at a time; the
// current position ends at `end`, also where nothing can be drawn.
template <class Feed>
void drawReduced(Surface& plot, const QColor& colour, QPointF end, Feed feed) {
    if (!plot.hasFrame()) {
        plot.setCurrentPosition(end);
        return;
    }
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
// and its vertical coordinate is `quantity` plus a constant.
template <class Point>
void drawRecordGraph(Surface& plot, const RunRecord& run, SampleQuantity quantity,
                     const QColor& colour, Point point) {
    if (run.empty()) return;
    const std::vector<RunSample>& samples = run.samples();
    const auto column = [&](std::size_t i) {
        return std::floor(plot.toPixel(point(samples[i])).x());
    };
    const auto q = std::size_t(quantity);
    detail::drawReduced(
        plot, colour, point(samples.back()), [&](ColumnReduction& reduction, auto drawFull) {
            std::size_t next = 0;
            for (const SampleBlock& block : run.blocks()) {
                const std::size_t first = next;
                next += RunRecord::blockLength;
                if (block.finite && column(first) == column(next - 1)) {
                    std::array<std::size_t, 4> kept{first, first + block.lowest[q],
                                                    first + block.highest[q], next - 1};
                    std::sort(kept.begin(), kept.end());
                    for (std::size_t k = 0; k < kept.size(); ++k)
                        if (k == 0 || kept[k] != kept[k - 1])
                            reduction.add(point(samples[kept[k]]));
                } else {
                    for (std::size_t i = first; i < next; ++i)
                        reduction.add(point(samples[i]));
                }
                drawFull();
            }
            for (std::size_t i = next; i < samples.size(); ++i)
                reduction.add(point(samples[i]));
        });
}

} // namespace trelvix::graphics
