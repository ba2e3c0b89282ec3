#pragma once

// The name of a stored run in the legends: the inputs in which it differs from the current
// experiment, "η = 0.05", "ν = 4.0, T = 10.0".

#include "graphics/stored_traces.h"
#include "model/inputs.h"
#include "model/stored_runs.h"

#include <QString>
#include <vector>

namespace trelvix {

QString legendText(const Inputs& stored, const Inputs& current);

// The legend of the stored runs, each named against the current inputs, in its own hue.
std::vector<graphics::LegendEntry> storedRunsLegend(const StoredRuns& stored,
                                                    const Inputs& current);

} // namespace trelvix
