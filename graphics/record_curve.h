#pragma once

// The curve of a recorded run on one plot, drawn from the plot's current position through one
// point per sample.  The points go to the surface in batches: a record of a million samples is
// drawn without a copy of its size (16 MB per curve), and no batch is so short that the painter's
// set-up costs more than its lines.

#include "graphics/surface.h"
#include "model/run_record.h"

#include <QColor>
#include <QPointF>
#include <algorithm>
#include <vector>

namespace trelvix::graphics {

inline constexpr std::size_t pointsPerBatch = 4096;

// `point` maps a RunSample to user coordinates of `plot`.
template <class Point>
void drawRecordCurve(Surface& plot, const RunRecord& run, const QColor& colour, Point point) {
    std::vector<QPointF> batch;
    batch.reserve(std::min(run.samples().size(), pointsPerBatch));
    for (const RunSample& sample : run.samples()) {
        batch.push_back(point(sample));
        if (batch.size() < pointsPerBatch) continue;
        plot.polylineTo(batch, colour);
        batch.clear();
    }
    if (!batch.empty()) plot.polylineTo(batch, colour);
}

} // namespace trelvix::graphics
