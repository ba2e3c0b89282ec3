#pragma once

// Runs drawn from their records.  Stored runs are drawn behind the current one: thin curves in
// faded, distinct hues on the Y-X plane and the three time graphs, with a small legend naming
// each run.  They are drawn after the
// static layer and leave each surface's pen and current position as they found them, so the
// current run's trace still starts where the static layer put it.

#include "graphics/surfaces.h"
#include "model/run_record.h"

#include <QColor>
#include <QString>
#include <span>
#include <vector>

namespace trelvix::graphics {

// The hue of the stored run number `index` (oldest 0): none of them is a colour the plots
// already use.
QColor storedRunColour(std::size_t index);

void drawStoredTraces(std::span<const RunRecord> runs, Surfaces& surfaces);

// The run on the panels drawn again from its record, as its steps drew it: the red trace on the
// plane and the three time graphs, continuing from each surface's current position (where the
// static layer leaves the start) and leaving it at the last sample, so that a run in progress
// goes on from there.
void drawRecordedRun(const RunRecord& run, Surfaces& surfaces);

struct LegendEntry {
    QString text;
    QColor colour;
};

enum class LegendCorner { TopRight, BottomRight };

// The legend in a right-hand corner of `panel`: a short line of each entry's colour and its text.
void drawLegend(std::span<const LegendEntry> entries, Surface& panel,
                LegendCorner corner = LegendCorner::TopRight);

} // namespace trelvix::graphics
