#include "model/experiment.h"
#include "model/motion.h"

#include <QtTest>
#include <algorithm>
#include <cfloat>
#include <cmath>

using namespace trelvix;

namespace {

struct State {
    double X;
    double Vx;
};

// The right-hand side written out from the physics, in double precision throughout.
double exactAcceleration(const EquationOfMotion& eq, double t, double X, double Vx) {
    const double spring = -eq.omega_0_sq * (X - eq.Xg);
    const double viscous = -2 * eq.delta * Vx;
    const double drag = -eq.quadraticDrag * Vx * std::fabs(Vx);
    const double drive = eq.Xm * eq.omega_0_sq * std::cos(eq.omega_v * t);
    return spring + viscous + drag + drive;
}

// A textbook classical Runge-Kutta step of the system (X' = Vx, Vx' = acceleration), with the
// largest of its four increments of each variable.
struct TextbookStep {
    State end;
    double largestXIncrement;
    double largestVxIncrement;
};

TextbookStep textbookStep(const EquationOfMotion& eq, double t, State s, double h) {
    auto f = [&](double tt, State y) { return State{y.Vx, exactAcceleration(eq, tt, y.X, y.Vx)}; };
    auto plus = [](State y, State k, double w) { return State{y.X + w * k.X, y.Vx + w * k.Vx}; };
    const State k1 = f(t, s);
    const State k2 = f(t + h / 2, plus(s, k1, h / 2));
    const State k3 = f(t + h / 2, plus(s, k2, h / 2));
    const State k4 = f(t + h, plus(s, k3, h));
    return {{s.X + h / 6 * (k1.X + 2 * k2.X + 2 * k3.X + k4.X),
             s.Vx + h / 6 * (k1.Vx + 2 * k2.Vx + 2 * k3.Vx + k4.Vx)},
            h * std::max({std::fabs(k1.X), std::fabs(k2.X), std::fabs(k3.X), std::fabs(k4.X)}),
            h * std::max({std::fabs(k1.Vx), std::fabs(k2.Vx), std::fabs(k3.Vx), std::fabs(k4.Vx)})};
}

// Closed-form motion of the linear oscillator (no quadratic drag, underdamped), driven through
// the spring by the suspension point: x'' + 2δx' + ω0²(x − Xg) = Xm·ω0²·cos(ωt).
struct DrivenDampedOscillator {
    const EquationOfMotion& eq;
    double A, B, C1, C2, omegaS;

    DrivenDampedOscillator(const EquationOfMotion& equation, double x0, double v0) : eq(equation) {
        const double w = eq.omega_v;
        const double detuning = eq.omega_0_sq - w * w;
        const double D = detuning * detuning + 4 * eq.delta * eq.delta * w * w;
        A = eq.Xm * eq.omega_0_sq * detuning / D;
        B = eq.Xm * eq.omega_0_sq * 2 * eq.delta * w / D;
        omegaS = std::sqrt(eq.omega_0_sq - eq.delta * eq.delta);
        C1 = x0 - eq.Xg - A;
        C2 = (v0 - w * B + eq.delta * C1) / omegaS;
    }
    double X(double t) const {
        const double forced = A * std::cos(eq.omega_v * t) + B * std::sin(eq.omega_v * t);
        const double free =
            std::exp(-eq.delta * t) * (C1 * std::cos(omegaS * t) + C2 * std::sin(omegaS * t));
        return eq.Xg + forced + free;
    }
};

// Largest deviation from the closed form over `n` steps of length tEnd/n.
double largestError(const EquationOfMotion& eq, double x0, double v0, double tEnd, int n) {
    const DrivenDampedOscillator exact(eq, x0, v0);
    const double h = tEnd / n;
    RunState s;
    s.X = x0;
    s.Vx = v0;
    double worst = 0;
    for (int i = 0; i < n; ++i) {
        rungeKuttaStep(eq, h, s);
        worst = std::max(worst, std::fabs(s.X - exact.X(s.t)));
    }
    return worst;
}

} // namespace

class MotionTest : public QObject {
    Q_OBJECT

private slots:
    void forceFunctions_data();
    void forceFunctions();
    void exactStepOfHarmonicOscillator();
    void stepAgainstTextbookRungeKutta_data();
    void stepAgainstTextbookRungeKutta();
    void fourthOrderConvergence_data();
    void fourthOrderConvergence();
    void energy_data();
    void energy();
    void energyOverOnePeriod_data();
    void energyOverOnePeriod();
    void crank_data();
    void crank();
    void touching_data();
    void touching();
};

// Columns shared by the tables below: the coefficients of the equation and a point (t, X, Vx).
static void addEquationColumns() {
    QTest::addColumn<double>("quadraticDrag");
    QTest::addColumn<double>("delta");
    QTest::addColumn<double>("Xm");
    QTest::addColumn<double>("t");
    QTest::addColumn<double>("X");
    QTest::addColumn<double>("Vx");
    QTest::newRow("initial values") << 1.922 << 0.00185 << 0.005 << 0.0 << 0.25 << 1.0;
    QTest::newRow("moving up, later") << 1.922 << 0.00185 << 0.005 << 0.37 << 0.14 << -1.5;
    QTest::newRow("no quadratic drag") << 0.0 << 0.00185 << 0.005 << 0.91 << 0.2 << 0.8;
    QTest::newRow("no viscosity") << 1.922 << 0.0 << 0.005 << 0.05 << 0.19 << -0.3;
    QTest::newRow("no drive") << 1.922 << 0.00185 << 0.0 << 1.3 << 0.3 << 2.0;
    QTest::newRow("strong drag and damping") << 12.0 << 9.5 << 0.02 << 2.2 << 0.21 << -3.0;
}

// The equation of the initial experiment.
static EquationOfMotion initialEquation() {
    const Experiment e;
    return EquationOfMotion::of(e.inputs, e.derived);
}

static EquationOfMotion equationFromRow() {
    EquationOfMotion eq = initialEquation();
    QFETCH(double, quadraticDrag);
    QFETCH(double, delta);
    QFETCH(double, Xm);
    eq.quadraticDrag = quadraticDrag;
    eq.delta = delta;
    eq.Xm = Xm;
    return eq;
}

void MotionTest::forceFunctions_data() {
    addEquationColumns();
}

void MotionTest::forceFunctions() {
    const EquationOfMotion eq = equationFromRow();
    QFETCH(double, t);
    QFETCH(double, X);
    QFETCH(double, Vx);

    QCOMPARE(coordinateRate(Vx), float(Vx));
    // The acceleration is handed out in single precision: within one float rounding of the exact
    // value, and a float.
    const double exact = exactAcceleration(eq, t, X, Vx);
    const float a = acceleration(eq, t, X, Vx);
    QVERIFY2(
        std::fabs(a - exact) <= std::fabs(exact) * FLT_EPSILON / 2 * 1.0001,
        qPrintable(QString("acceleration %1, exact %2").arg(a, 0, 'g', 10).arg(exact, 0, 'g', 17)));
    // Drag and viscosity oppose the motion: removing them changes the acceleration against Vx.
    EquationOfMotion frictionless = eq;
    frictionless.quadraticDrag = 0;
    frictionless.delta = 0;
    if (eq.quadraticDrag != 0 || eq.delta != 0)
        QVERIFY((acceleration(eq, t, X, Vx) - acceleration(frictionless, t, X, Vx)) * Vx < 0);
}

// Harmonic oscillator X'' = −X from X = 1, Vx = 0 with h = 1/2: every increment is a short binary
// fraction, so the roundings to single precision change nothing and the step is known exactly.
// It equals the fourth-order Taylor polynomial of cos and −sin: 1 − h²/2 + h⁴/24, −h + h³/6.
void MotionTest::exactStepOfHarmonicOscillator() {
    EquationOfMotion eq;
    eq.omega_0_sq = 1;
    RunState s;
    s.t = 0;
    s.X = 1;
    s.Vx = 0;
    rungeKuttaStep(eq, 0.5, s);

    QCOMPARE(s.X, 1 - 0.125 + 0.0625 / 24);
    QCOMPARE(s.Vx, -0.5 + 0.125 / 6);
    QCOMPARE(s.t, 0.5);
}

void MotionTest::stepAgainstTextbookRungeKutta_data() {
    addEquationColumns();
}

void MotionTest::stepAgainstTextbookRungeKutta() {
    const EquationOfMotion eq = equationFromRow();
    const double h = Experiment{}.derived.step;
    QFETCH(double, t);
    QFETCH(double, X);
    QFETCH(double, Vx);
    RunState s;
    s.t = t;
    s.X = X;
    s.Vx = Vx;
    rungeKuttaStep(eq, h, s);
    const TextbookStep expected = textbookStep(eq, t, {X, Vx}, h);

    // Every increment carries at most one single-precision rounding (half of FLT_EPSILON of its
    // size); the weighted mean of the four cannot be off by more than that of the largest.
    QVERIFY(std::fabs(s.X - expected.end.X) <=
            expected.largestXIncrement * FLT_EPSILON + 4 * DBL_EPSILON * X);
    QVERIFY(std::fabs(s.Vx - expected.end.Vx) <=
            expected.largestVxIncrement * FLT_EPSILON + 4 * DBL_EPSILON * Vx);
    QCOMPARE(s.t, t + h);
}

void MotionTest::fourthOrderConvergence_data() {
    QTest::addColumn<double>("delta");
    QTest::addColumn<double>("nu");
    QTest::newRow("free, undamped") << 0.0 << 0.0;
    QTest::newRow("driven, undamped") << 0.0 << 4.5;
    QTest::newRow("free, damped") << 2.0 << 0.0;
    QTest::newRow("driven, damped") << 2.0 << 4.5;
}

// Linear case (no quadratic force) against the closed form: halving the step divides the largest
// error over one second by 2⁴ = 16.  The single-precision force values put a floor of about
// 1e-9 m under the error; the finest step here (1/512 s) keeps the truncation error above 1e-8 m,
// so the floor shifts the ratios by a few per cent at most.
void MotionTest::fourthOrderConvergence() {
    QFETCH(double, delta);
    QFETCH(double, nu);
    const Inputs in = initialInputs();
    EquationOfMotion eq = initialEquation();
    eq.quadraticDrag = 0;
    eq.delta = delta;
    eq.omega_v = nu * 6.2831853072;

    double previous = largestError(eq, in.X0, in.V0x, 1.0, 64);
    for (int n : {128, 256, 512}) {
        const double error = largestError(eq, in.X0, in.V0x, 1.0, n);
        const double ratio = previous / error;
        QVERIFY2(ratio > 15 && ratio < 17,
                 qPrintable(QString("%1 steps: error ratio %2").arg(n).arg(ratio)));
        previous = error;
    }
}

void MotionTest::energy_data() {
    QTest::addColumn<double>("m");
    QTest::addColumn<double>("k");
    QTest::addColumn<double>("X");
    QTest::addColumn<double>("Xg");
    QTest::addColumn<double>("Vx");
    QTest::addColumn<float>("W");
    QTest::newRow("kinetic only") << 2.0 << 40.0 << 0.3 << 0.3 << 3.0 << 9.0F;
    QTest::newRow("spring only") << 2.0 << 40.0 << 0.8 << 0.3 << 0.0 << 5.0F;
    QTest::newRow("both, below equilibrium") << 2.0 << 40.0 << 0.8 << 0.3 << -3.0 << 14.0F;
    QTest::newRow("both, above equilibrium") << 2.0 << 40.0 << -0.2 << 0.3 << 3.0 << 14.0F;
    // 0.06385·1²/2 + 40·0.073842²/2 = 0.031925 + 0.1090528… J, rounded to single precision.
    QTest::newRow("initial values")
        << 0.06385 << 40.0 << 0.25 << 0.176158 << 1.0 << float(0.031925 + 20 * 0.073842 * 0.073842);
    QTest::newRow("beyond single precision")
        << 1e30 << 40.0 << 0.3 << 0.3 << 1e5 << std::numeric_limits<float>::infinity();
}

void MotionTest::energy() {
    QFETCH(double, m);
    QFETCH(double, k);
    QFETCH(double, X);
    QFETCH(double, Xg);
    QFETCH(double, Vx);
    QFETCH(float, W);
    Inputs in;
    in.m = m;
    in.k = k;
    QCOMPARE(mechanicalEnergy(in, Xg, X, Vx), W);
}

void MotionTest::energyOverOnePeriod_data() {
    QTest::addColumn<double>("eta");
    QTest::newRow("undamped") << 0.0;
    QTest::newRow("viscous") << 0.1;
}

// Without losses the energy is conserved; with viscosity alone the energy of a weakly damped
// oscillation falls as e^(−2δt).  The ball starts at rest, so after one period the energy is back
// in the spring.  Both statements hold to about 1e-5 here: RK4 with fifty steps per period loses
// only (ωh)⁶/72 ≈ 5e-8 per period, and the damped period differs from T0 by δ²/(2ω0²).
void MotionTest::energyOverOnePeriod() {
    QFETCH(double, eta);
    Experiment e;
    e.inputs.c = 0;
    e.inputs.Xm = 0;
    e.inputs.eta = eta;
    e.inputs.V0x = 0;
    e.derive();
    const Characteristics& ch = e.derived;
    const EquationOfMotion eq = EquationOfMotion::of(e.inputs, ch);
    RunState s;
    s.X = e.inputs.X0;
    s.Vx = 0;
    const float start = mechanicalEnergy(e.inputs, ch.Xg, s.X, s.Vx);
    for (int i = 0; i < 50; ++i)
        rungeKuttaStep(eq, ch.T_0 / 50, s);
    const float end = mechanicalEnergy(e.inputs, ch.Xg, s.X, s.Vx);

    const double ratio = end / start;
    const double expected = std::exp(-2 * ch.delta * ch.T_0);
    QVERIFY2(std::fabs(ratio - expected) < 1e-5,
             qPrintable(
                 QString("ratio %1, expected %2").arg(ratio, 0, 'g', 8).arg(expected, 0, 'g', 8)));
}

void MotionTest::crank_data() {
    QTest::addColumn<double>("Xm");
    QTest::addColumn<double>("omega_v");
    QTest::addColumn<double>("t");
    QTest::addColumn<double>("crankX");
    QTest::addColumn<double>("crankY");
    QTest::newRow("start: pin straight down") << 0.005 << 28.0 << 0.0 << 0.0 << 0.005;
    QTest::newRow("quarter turn: pin beside") << 0.005 << 2.0 << M_PI / 4 << 0.005 << 0.0;
    QTest::newRow("half turn: pin up") << 0.005 << 2.0 << M_PI / 2 << 0.0 << -0.005;
    QTest::newRow("one sixth of a turn")
        << 0.01 << 1.0 << M_PI / 3 << 0.01 * std::sqrt(3.0) / 2 << 0.005;
    QTest::newRow("no crank") << 0.0 << 28.0 << 0.7 << 0.0 << 0.0;
}

void MotionTest::crank() {
    QFETCH(double, Xm);
    QFETCH(double, omega_v);
    QFETCH(double, t);
    QFETCH(double, crankX);
    QFETCH(double, crankY);
    Inputs in;
    in.Xm = Xm; // the crank radius
    RunState s;
    s.t = t;
    setCrankPosition(in, omega_v, s);
    QVERIFY(std::fabs(s.crankX - crankX) < 1e-15);
    QVERIFY(std::fabs(s.crankY - crankY) < 1e-15);
}

void MotionTest::touching_data() {
    QTest::addColumn<double>("X");
    QTest::addColumn<bool>("touches");
    // With Xm = 0.005 m and a ball radius of 0.0125 m the top of the ball meets the lowest point
    // of the suspension point when the centre is at 0.0175 m.
    QTest::newRow("far below") << 0.25 << false;
    QTest::newRow("exactly touching") << 0.005 + 0.0125 << false;
    QTest::newRow("just above") << std::nextafter(0.005 + 0.0125, 0.0) << true;
    QTest::newRow("above the wheel centre") << -0.1 << true;
}

void MotionTest::touching() {
    QFETCH(double, X);
    QFETCH(bool, touches);
    QCOMPARE(touchesSuspension(initialInputs(), X), touches);
}

QTEST_GUILESS_MAIN(MotionTest)
#include "tst_motion.moc"
