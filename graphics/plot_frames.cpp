#include "graphics/plot_frames.h"

#include "graphics/magnifier.h"
#include "graphics/quotient_or_nan.h"
#include "model/single_precision.h"

#include <cmath>

namespace trelvix::graphics {

namespace {

PlaneFrame planeFrame(const Experiment& e, float planeAspect) {
    const Inputs& in = e.inputs;
    PlaneFrame f;
    f.top = -in.wheelRadius();
    f.bottom = in.Xm + (in.d + (e.derived.X_max + e.derived.Xg));
    f.right = planeAspect * std::abs(f.bottom - f.top) / 2;
    f.left = -f.right;
    f.gridStep = quotientOrNaN(f.bottom - f.top, e.view.gridDivisions);
    f.columns = quotientOrNaN(f.right - f.left, f.gridStep);
    return f;
}

// The energy of the initial state: kinetic, of the spring about equilibrium, and of the spring
// stretched by the full amplitude of the drive.
float initialEnergy(const Experiment& e) {
    const Inputs& in = e.inputs;
    const double offset = in.X0 - e.derived.Xg;
    return toSingle(in.m * in.V0x * in.V0x / 2 + in.k * offset * offset / 2 +
                    in.k * in.Xm * in.Xm / 2);
}

TimeFrames timeFrames(const Experiment& e) {
    const ViewSettings& v = e.view;
    TimeFrames f;
    f.displacementHalfHeight = quotientOrNaN(e.derived.X_max, v.displacementZoom);
    f.velocityHalfHeight = quotientOrNaN(e.derived.Vx_max, v.velocityZoom);
    f.W_max = initialEnergy(e);
    f.energyTop = quotientOrNaN(f.W_max, v.energyZoom); // in single precision, as stored
    f.energyBottom = 0;
    f.periodOnGrid = toSingle(e.derived.T_0);
    f.periods = quotientOrNaN(double(e.inputs.T), e.derived.T_0);
    // The symmetric graphs have gridDivisions lines over their height; the energy graph, from 0
    // up, a whole number of divisions.
    f.displacementGridStep =
        quotientOrNaN(2 * f.displacementHalfHeight, v.gridDivisions) * v.displacementZoom;
    f.velocityGridStep = quotientOrNaN(2 * f.velocityHalfHeight, v.gridDivisions) * v.velocityZoom;
    f.energyGridStep = toSingle(
        quotientOrNaN(f.energyTop - f.energyBottom, std::round(v.gridDivisions)) * v.energyZoom);
    return f;
}

} // namespace

PlotFrames computeFrames(const Experiment& e, float planeAspect) {
    PlotFrames f;
    f.plane = planeFrame(e, planeAspect);
    f.magnifier = magnifierFrame(e, f.plane);
    f.time = timeFrames(e);
    return f;
}

void applyFrames(const Experiment& e, const PlotFrames& f, Surfaces& s) {
    const PlaneFrame& p = f.plane;
    s.plane.scale(p.left, p.top, p.right, p.bottom);
    s.scene.scale(p.left, p.top, p.right, p.bottom);
    const MagnifierFrame& m = f.magnifier;
    s.magnifier.scale(m.left, m.top, m.right, m.bottom);
    const TimeFrames& t = f.time;
    const double T = e.inputs.T;
    s.displacement.scale(0, t.displacementHalfHeight, T, -t.displacementHalfHeight);
    s.velocity.scale(0, t.velocityHalfHeight, T, -t.velocityHalfHeight);
    s.energy.scale(0, t.energyTop, T, t.energyBottom);
}

} // namespace trelvix::graphics
