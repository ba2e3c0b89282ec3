#pragma once

// The readout under the cursor: on a time graph the time at the cursor and the run's value at
// that time, taken from the run's record (the nearest sample), not from the pixels; on the Y-X
// plane the coordinates Y and X of the cursor.

#include "graphics/surface.h"
#include "model/run_record.h"

#include <QPointF>
#include <QString>

namespace trelvix::graphics {

enum class TimeGraph { Displacement, Velocity, Energy };

// `pixel` in the panel's logical pixels.  Without a usable frame: an empty text.  A time outside
// the run (or no run yet) shows the time alone.
QString timeGraphReadout(TimeGraph graph, const Surface& panel, const RunRecord& record,
                         QPointF pixel, const QString& decimalSeparator);
QString planeReadout(const Surface& plane, QPointF pixel, const QString& decimalSeparator);

} // namespace trelvix::graphics
