#pragma once

// How the student has set up the view of a run: the slow-down of time, the zooms of the
// magnifier and of the time graphs, and the drawing of the spring.  Set by the scroll bars;
// read by the run's pacing and by the plots.

namespace trelvix {

struct ViewSettings {
    double slowDown = 1;           // each step of a run is followed by a pause of 0.01·slowDown s
    double magnifierZoom = 1;      // the magnifier shows magnifierZoom grid steps of the plane
    double displacementZoom = 1;   // vertical zoom of X(t)
    double velocityZoom = 1;       // vertical zoom of Vx(t)
    float energyZoom = 1.0F;       // vertical zoom of W(t)
    double gridDivisions = 10;     // grid divisions of the plots
    double springHalfWidth = 0.02; // half-width of the drawn spring coil, m
    double springTurns = 7;        // turns of the drawn spring
};

// What a change of the view settings asks of the plots.
enum class ViewChange {
    Pace,   // the slow-down factor: read at the next step of a run, nothing to redraw
    Scales, // a zoom: new scales and axes
};

} // namespace trelvix
