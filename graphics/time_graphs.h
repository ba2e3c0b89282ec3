#pragma once

// The static layer of the three time graphs: a vertical grid line at every period T_0 with a
// period count (" 2То", " 4То"…) under every second one, a value grid of gridDivisions lines per
// panel height with labels, the axes with their names, and the trace's starting point.

#include "graphics/plot_frames.h"
#include "graphics/surface.h"
#include "model/experiment.h"

#include <string_view>

namespace trelvix::graphics {

// Displacement from equilibrium X − Xg.
void drawDisplacementGraph(const Experiment& e, const TimeFrames& f, Surface& panel,
                           std::string_view decimalSeparator);
// Velocity Vx.
void drawVelocityGraph(const Experiment& e, const TimeFrames& f, Surface& panel,
                       std::string_view decimalSeparator);
// Mechanical energy W, from 0 up.
void drawEnergyGraph(const Experiment& e, const TimeFrames& f, Surface& panel,
                     std::string_view decimalSeparator);

} // namespace trelvix::graphics
