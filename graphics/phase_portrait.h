#pragma once

// The phase portrait: the velocity Vx against the deviation X − Xg.  A damped free motion winds
// inwards to the origin; a driven one settles onto the ellipse of its steady state.  The frame
// is the one of the time graphs (their half-heights of X − Xg and Vx at the current zoom), so a
// trace that fits there fits here; the grid has four cells each way, as the magnifier's.

#include "graphics/plot_frames.h"
#include "graphics/surface.h"
#include "model/run_record.h"

#include <span>
#include <string_view>

namespace trelvix::graphics {

struct PhaseFrame {
    double halfWidth = 0;  // of X − Xg, m
    double halfHeight = 0; // of Vx, m/s
};

PhaseFrame phaseFrame(const TimeFrames& time);

// Sets the frame and draws the grid with its value labels, the axes and their names.
void drawPhaseBackground(const PhaseFrame& f, Surface& portrait, std::string_view decimalSeparator);

// A whole run from its record in `colour` with a pen `width` pixels wide (the current run red
// and 2 pixels wide, stored runs faded and thin).
void drawPhaseRecord(Surface& portrait, const RunRecord& record, const QColor& colour, int width);

// One step of the current run: the trace from the previous point to (X − Xg, Vx).
void drawPhaseStep(Surface& portrait, double deviation, double Vx);

} // namespace trelvix::graphics
