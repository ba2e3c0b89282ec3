#pragma once

// One period of the driving motion, integrated in double precision with the classical
// fourth-order Runge-Kutta method: the map that takes the state at t = 0 to the state one period
// later, its derivatives (for Newton's method), and the shape of the motion over the period.

#include "model/driven_oscillator.h"

#include <vector>

namespace trelvix {

// The state of the ball as a deviation from the equilibrium coordinate: y = X − Xg, Vx.
struct PhasePoint {
    double y = 0;
    double Vx = 0;
};

// Derivatives of the state one period later with respect to the starting state.
struct Sensitivity {
    double y_y = 1, y_Vx = 0;   // ∂y/∂y0, ∂y/∂Vx0
    double Vx_y = 0, Vx_Vx = 1; // ∂Vx/∂y0, ∂Vx/∂Vx0
};

// The deviation over one period sampled at every step: its extremes and its first Fourier
// harmonic y ≈ cosine·cos(ωt) + sine·sin(ωt).
struct PeriodShape {
    double yMin = 0;
    double yMax = 0;
    double cosine = 0;
    double sine = 0;
};

class PeriodMap {
public:
    // The period of the drive at `nu` in `steps` equal steps, a multiple of 4.
    PeriodMap(const DrivenOscillator& s, double nu, long steps);

    // The state one period after `start`; with `sensitivity`, also its derivatives.
    PhasePoint advance(PhasePoint start) const;
    PhasePoint advance(PhasePoint start, Sensitivity& sensitivity) const;

    // The motion over the period that begins at `start`.
    PeriodShape shape(PhasePoint start) const;

private:
    struct Stages;
    PhasePoint step(PhasePoint p, long index, Stages* stages) const;
    double acceleration(double y, double Vx, double cosine) const;
    long steps() const { return static_cast<long>(cosine_.size() / 2); }

    DrivenOscillator s_;
    double force_; // amplitude of the driving force per unit mass
    double h_;
    std::vector<double> cosine_; // cos(ωt) at every half step of the period, 2·steps + 1 values
};

} // namespace trelvix
