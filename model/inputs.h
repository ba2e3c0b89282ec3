#pragma once

// The twelve inputs of the experiment, as the student typed them.
//
// The computation time T is single precision: storing into it rounds through float, and a
// value beyond the float range saturates.  Everything else is double.

#include <array>

namespace trelvix {

// Every input, in the order of the parameter rows of the window.  The rules of each input (its
// field, display form, refusal, warning) are listed once, by this enum, in entry/input_table.h.
enum class Input { m, d, c, k, L0, ro, eta, Xm, nu, X0, V0x, T };

inline constexpr std::array<Input, 12> allInputs{Input::m,  Input::d,  Input::c,   Input::k,
                                                 Input::L0, Input::ro, Input::eta, Input::Xm,
                                                 Input::nu, Input::X0, Input::V0x, Input::T};

struct Inputs {
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

    // The radius of the ball and the crank radius of the driving wheel, which equals the
    // amplitude of the suspension point.
    double ballRadius() const { return d / 2; }
    double wheelRadius() const { return Xm; }

    double value(Input input) const;
    bool operator==(const Inputs&) const = default;
    // Stores `x` into the input; the computation time rounds to single precision, saturating.
    void setValue(Input input, double x);
};

// The experiment every start of the program begins with.
Inputs initialInputs();

} // namespace trelvix
