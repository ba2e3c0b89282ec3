#include "model/characteristics.h"
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
double acceleration(const Experiment& e, double t, double X, double Vx) {
    const double spring = -e.omega_0_kv * (X - e.Xg);
    const double viscous = -2 * e.delta * Vx;
    const double drag = -e.koeff_v2 * Vx * std::fabs(Vx);
    const double drive = e.Xm * e.omega_0_kv * std::cos(e.omega_v * t);
    return spring + viscous + drag + drive;
}

// A textbook classical Runge-Kutta step of the system (X' = Vx, Vx' = acceleration).
State textbookStep(const Experiment& e, double t, State s, double h) {
    auto f = [&](double tt, State y) { return State{y.Vx, acceleration(e, tt, y.X, y.Vx)}; };
    auto plus = [](State y, State k, double w) { return State{y.X + w * k.X, y.Vx + w * k.Vx}; };
    const State k1 = f(t, s);
    const State k2 = f(t + h / 2, plus(s, k1, h / 2));
    const State k3 = f(t + h / 2, plus(s, k2, h / 2));
    const State k4 = f(t + h, plus(s, k3, h));
    return {s.X + h / 6 * (k1.X + 2 * k2.X + 2 * k3.X + k4.X),
            s.Vx + h / 6 * (k1.Vx + 2 * k2.Vx + 2 * k3.Vx + k4.Vx)};
}

Experiment initialComputed() {
    Experiment e = initialExperiment();
    parametr(e, ".");
    return e;
}

// Closed-form motion of the linear oscillator (no quadratic drag, underdamped), driven through
// the spring by the suspension point: x'' + 2δx' + ω0²(x − Xg) = Xm·ω0²·cos(ωt).
struct DrivenDampedOscillator {
    const Experiment& e;
    double A, B, C1, C2, omegaS;

    DrivenDampedOscillator(const Experiment& ex, double x0, double v0) : e(ex) {
        const double w = e.omega_v;
        const double detuning = e.omega_0_kv - w * w;
        const double D = detuning * detuning + 4 * e.delta * e.delta * w * w;
        A = e.Xm * e.omega_0_kv * detuning / D;
        B = e.Xm * e.omega_0_kv * 2 * e.delta * w / D;
        omegaS = std::sqrt(e.omega_0_kv - e.delta * e.delta);
        C1 = x0 - e.Xg - A;
        C2 = (v0 - w * B + e.delta * C1) / omegaS;
    }
    double X(double t) const {
        const double forced = A * std::cos(e.omega_v * t) + B * std::sin(e.omega_v * t);
        const double free =
            std::exp(-e.delta * t) * (C1 * std::cos(omegaS * t) + C2 * std::sin(omegaS * t));
        return e.Xg + forced + free;
    }
};

// Largest deviation from the closed form over `n` steps of length tEnd/n.
double largestError(Experiment e, double x0, double v0, double tEnd, int n) {
    const DrivenDampedOscillator exact(e, x0, v0);
    e.shag = tEnd / n;
    e.t = 0;
    e.X = x0;
    e.Vx = v0;
    double worst = 0;
    for (int i = 0; i < n; ++i) {
        rungeKuttaStep(e);
        worst = std::max(worst, std::fabs(e.X - exact.X(e.t)));
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
    QTest::addColumn<double>("koeff_v2");
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

static Experiment equationFromRow() {
    Experiment e = initialComputed();
    QFETCH(double, koeff_v2);
    QFETCH(double, delta);
    QFETCH(double, Xm);
    e.koeff_v2 = koeff_v2;
    e.delta = delta;
    e.Xm = Xm;
    return e;
}

void MotionTest::forceFunctions_data() {
    addEquationColumns();
}

void MotionTest::forceFunctions() {
    const Experiment e = equationFromRow();
    QFETCH(double, t);
    QFETCH(double, X);
    QFETCH(double, Vx);

    QCOMPARE(ff_1(t, X, Vx), float(Vx));
    // The acceleration is handed out in single precision: within one float rounding of the exact
    // value, and a float.
    const double exact = acceleration(e, t, X, Vx);
    const float a = ff_2(e, t, X, Vx);
    QVERIFY2(std::fabs(a - exact) <= std::fabs(exact) * FLT_EPSILON / 2 * 1.0001,
             qPrintable(QString("ff_2 %1, exact %2").arg(a, 0, 'g', 10).arg(exact, 0, 'g', 17)));
    // Drag and viscosity oppose the motion: removing them changes the acceleration against Vx.
    Experiment frictionless = e;
    frictionless.koeff_v2 = 0;
    frictionless.delta = 0;
    if (e.koeff_v2 != 0 || e.delta != 0)
        QVERIFY((ff_2(e, t, X, Vx) - ff_2(frictionless, t, X, Vx)) * Vx < 0);
}

// Harmonic oscillator X'' = −X from X = 1, Vx = 0 with h = 1/2: every increment is a short binary
// fraction, so the roundings to single precision change nothing and the step is known exactly.
// It equals the fourth-order Taylor polynomial of cos and −sin: 1 − h²/2 + h⁴/24, −h + h³/6.
void MotionTest::exactStepOfHarmonicOscillator() {
    Experiment e;
    e.omega_0_kv = 1;
    e.shag = 0.5;
    e.t = 0;
    e.X = 1;
    e.Vx = 0;
    rungeKuttaStep(e);

    QCOMPARE(e.k11, 0.0);
    QCOMPARE(e.k12, -0.5);
    QCOMPARE(e.k21, -0.125);
    QCOMPARE(e.k22, -0.5);
    QCOMPARE(e.k31, -0.125);
    QCOMPARE(e.k32, -0.46875);
    QCOMPARE(e.k41, -0.234375);
    QCOMPARE(e.k42, -0.4375F);
    QCOMPARE(e.X_1, 1 - 0.125 + 0.0625 / 24);
    QCOMPARE(e.Vx_1, -0.5 + 0.125 / 6);
    QCOMPARE(e.X, e.X_1);
    QCOMPARE(e.Vx, e.Vx_1);
    QCOMPARE(e.t, 0.5);
}

void MotionTest::stepAgainstTextbookRungeKutta_data() {
    addEquationColumns();
}

void MotionTest::stepAgainstTextbookRungeKutta() {
    Experiment e = equationFromRow();
    QFETCH(double, t);
    QFETCH(double, X);
    QFETCH(double, Vx);
    e.t = t;
    e.X = X;
    e.Vx = Vx;
    rungeKuttaStep(e);
    const State expected = textbookStep(e, t, {X, Vx}, e.shag);

    // Every increment carries at most one single-precision rounding (half of FLT_EPSILON of its
    // size); the weighted mean of the four cannot be off by more than that of the largest.
    const double largestK1 =
        std::max({std::fabs(e.k11), std::fabs(e.k21), std::fabs(e.k31), std::fabs(e.k41)});
    const double largestK2 =
        std::max({std::fabs(e.k12), std::fabs(e.k22), std::fabs(e.k32), std::fabs(double(e.k42))});
    QVERIFY(std::fabs(e.X_1 - expected.X) <= largestK1 * FLT_EPSILON + 4 * DBL_EPSILON * X);
    QVERIFY(std::fabs(e.Vx_1 - expected.Vx) <= largestK2 * FLT_EPSILON + 4 * DBL_EPSILON * Vx);
    QCOMPARE(e.t, t + e.shag);
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
    Experiment e = initialComputed();
    e.koeff_v2 = 0;
    e.delta = delta;
    e.omega_v = nu * 6.2831853072;

    double previous = largestError(e, e.X0, e.V0x, 1.0, 64);
    for (int n : {128, 256, 512}) {
        const double error = largestError(e, e.X0, e.V0x, 1.0, n);
        const double ratio = previous / error;
        QVERIFY2(ratio > 15 && ratio < 17,
                 qPrintable(QString("%1 steps: error ratio %2").arg(n).arg(ratio)));
        previous = error;
    }
}

void MotionTest::energy_data() {
    QTest::addColumn<double>("m");
    QTest::addColumn<double>("k");
    QTest::addColumn<double>("X_1");
    QTest::addColumn<double>("Xg");
    QTest::addColumn<double>("Vx_1");
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
    QFETCH(double, X_1);
    QFETCH(double, Xg);
    QFETCH(double, Vx_1);
    QFETCH(float, W);
    Experiment e;
    e.m = m;
    e.k = k;
    e.X_1 = X_1;
    e.Xg = Xg;
    e.Vx_1 = Vx_1;
    computeEnergy(e);
    QCOMPARE(e.W, W);
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
    Experiment e = initialExperiment();
    e.c = 0;
    e.Xm = 0;
    e.eta = eta;
    e.V0x = 0;
    parametr(e, ".");
    e.shag = e.T_0 / 50;
    e.t = 0;
    e.X = e.X_1 = e.X0;
    e.Vx = e.Vx_1 = 0;
    computeEnergy(e);
    const float start = e.W;
    for (int i = 0; i < 50; ++i)
        rungeKuttaStep(e);
    computeEnergy(e);

    const double ratio = e.W / start;
    const double expected = std::exp(-2 * e.delta * e.T_0);
    QVERIFY2(std::fabs(ratio - expected) < 1e-5,
             qPrintable(
                 QString("ratio %1, expected %2").arg(ratio, 0, 'g', 8).arg(expected, 0, 'g', 8)));
}

void MotionTest::crank_data() {
    QTest::addColumn<double>("R_kolesa");
    QTest::addColumn<double>("omega_v");
    QTest::addColumn<double>("t");
    QTest::addColumn<double>("kriv_x");
    QTest::addColumn<double>("kriv_y");
    QTest::newRow("start: pin straight down") << 0.005 << 28.0 << 0.0 << 0.0 << 0.005;
    QTest::newRow("quarter turn: pin beside") << 0.005 << 2.0 << M_PI / 4 << 0.005 << 0.0;
    QTest::newRow("half turn: pin up") << 0.005 << 2.0 << M_PI / 2 << 0.0 << -0.005;
    QTest::newRow("one sixth of a turn")
        << 0.01 << 1.0 << M_PI / 3 << 0.01 * std::sqrt(3.0) / 2 << 0.005;
    QTest::newRow("no crank") << 0.0 << 28.0 << 0.7 << 0.0 << 0.0;
}

void MotionTest::crank() {
    QFETCH(double, R_kolesa);
    QFETCH(double, omega_v);
    QFETCH(double, t);
    QFETCH(double, kriv_x);
    QFETCH(double, kriv_y);
    Experiment e;
    e.R_kolesa = R_kolesa;
    e.omega_v = omega_v;
    e.t = t;
    crankPosition(e);
    QVERIFY(std::fabs(e.kriv_x - kriv_x) < 1e-15);
    QVERIFY(std::fabs(e.kriv_y - kriv_y) < 1e-15);
}

void MotionTest::touching_data() {
    QTest::addColumn<double>("X_1");
    QTest::addColumn<bool>("touches");
    // With Xm = 0.005 m and R_shara = 0.0125 m the top of the ball meets the lowest point of the
    // suspension point when the centre is at 0.0175 m.
    QTest::newRow("far below") << 0.25 << false;
    QTest::newRow("exactly touching") << 0.005 + 0.0125 << false;
    QTest::newRow("just above") << std::nextafter(0.005 + 0.0125, 0.0) << true;
    QTest::newRow("above the wheel centre") << -0.1 << true;
}

void MotionTest::touching() {
    QFETCH(double, X_1);
    QFETCH(bool, touches);
    Experiment e = initialExperiment();
    e.X_1 = X_1;
    QCOMPARE(touchesSuspension(e), touches);
}

QTEST_GUILESS_MAIN(MotionTest)
#include "tst_motion.moc"
