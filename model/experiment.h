#pragma once

// The one record of the experiment: what the student typed, what follows from it, the state of
// the run in progress and the display settings.  The main window owns exactly one and every
// handler works on it directly.
//
// Precision is part of the physics of this program: the quantities declared `float` are kept in
// single precision (storing into them rounds through float), `n_shagov` is a 16-bit integer,
// everything else is double.

#include <cstdint>

namespace trelvix {

struct Experiment {
    // --- The twelve inputs, each set by its parameter field. --------------------------------
    double m = 0;   // mass of the ball, kg
    double d = 0;   // diameter of the ball, m
    double c = 0;   // drag coefficient of the quadratic resistance force
    double k = 0;   // stiffness of the spring, N/m
    double L0 = 0;  // length of the unstretched spring, m
    double ro = 0;  // density of the medium, kg/m3
    double eta = 0; // dynamic viscosity of the medium, Pa·s
    double Xm = 0;  // amplitude of the vertical motion of the suspension point, m
    double nu = 0;  // frequency of the driving motion, Hz
    double X0 = 0;  // initial coordinate of the ball centre (downwards from the wheel centre), m
    double V0x = 0; // initial velocity of the ball (positive downwards), m/s
    float T = 0;    // computation time, s

    // --- Derived characteristics, written only by parametr(). -------------------------------
    double ro_shara = 0;       // density of the ball material, kg/m3
    double mo = 0;             // mass of the medium in the volume of the ball, kg
    double Xg = 0;             // equilibrium coordinate of the ball centre, m
    double r2 = 0;             // characteristic distance of the quadratic force, m
    double koeff_v2 = 0;       // coefficient of Vx·|Vx| in the equation of motion, 1/m
    double delta = 0;          // damping coefficient of the viscous force, 1/s
    double omega_0_kv = 0;     // k/m, 1/s2
    double omega_0 = 0;        // cyclic frequency of harmonic oscillations, rad/s
    double omega_s = 0;        // cyclic frequency of damped natural oscillations, rad/s
    double omega_v = 0;        // cyclic frequency of the driving motion, rad/s
    double T_0 = 0;            // period of harmonic oscillations, s
    double T_s = 0;            // period of damped natural oscillations, s
    double T_v = 0;            // period of the driving motion, s
    double log_dekrement = 0;  // logarithmic decrement
    double dobrotnost = 0;     // quality factor
    double nu_rez = 0;         // resonance frequency for c = 0, Hz
    float eta_kr = 0;          // critical viscosity for c = 0, Pa·s
    double X_max = 0;          // estimate of the largest deviation of the ball from Xg, m
    double Vx_max = 0;         // estimate of the largest speed, m/s
    std::int16_t n_shagov = 0; // integration steps per period
    double shag = 0;           // integration time step, s

    // --- Run state, written only by the run. ------------------------------------------------
    double t = 0;
    double X = 0;
    double Vx = 0;
    double X_1 = 0;
    double Vx_1 = 0;
    float W = 0; // mechanical energy after the last step, J
    double k11 = 0, k21 = 0, k31 = 0, k41 = 0;
    double k12 = 0, k22 = 0, k32 = 0;
    float k42 = 0;
    double kriv_x = 0; // crank pin offset from the wheel centre, m
    double kriv_y = 0;

    // --- Display settings and scene geometry. -----------------------------------------------
    double zamedlenie = 0;       // slow-down factor: each step is followed by 0.01·zamedlenie s
    double masshtab_1 = 0;       // zoom of the magnifier
    double masshtab_3 = 0;       // vertical zoom of X(t)
    double masshtab_4 = 0;       // vertical zoom of Vx(t)
    float masshtab_6 = 0;        // vertical zoom of W(t)
    double n_setki = 0;          // grid divisions of the plots
    double R_shara = 0;          // radius of the ball, d/2
    double polushirina_prug = 0; // half-width of the drawn spring coil, m
    double n_vitkov = 0;         // turns of the drawn spring
    double R_kolesa = 0;         // crank radius of the driving wheel, equal to Xm
    double koleso_x = 0;         // wheel centre in the animation panel
    float koleso_y = 0;
};

// The experiment every start of the program begins with: the initial inputs, the display
// settings and the scene geometry.  The derived characteristics are left for parametr().
Experiment initialExperiment();

// Stores a double into a single-precision quantity as the hardware does (round to nearest,
// magnitudes beyond the float range become infinities), without the undefined behaviour that a
// plain conversion of an out-of-range value has in C++.
float toSingle(double x);

// Like toSingle(), but a magnitude beyond the float range becomes the largest finite float with
// its sign: the reading of a typed number that does not fit a single-precision quantity.
float toSingleSaturated(double x);

} // namespace trelvix
