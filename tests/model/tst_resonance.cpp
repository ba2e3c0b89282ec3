#include "model/experiment.h"
#include "model/resonance_csv.h"
#include "model/resonance_sweep.h"

#include <QtTest>
#include <atomic>
#include <charconv>
#include <clocale>
#include <cmath>
#include <limits>
#include <numbers>
#include <sstream>
#include <thread>

using namespace trelvix;

namespace {

// The accuracy every reported point must have.
constexpr double amplitudeShare = 2e-3;
constexpr double phaseRadians = 2e-3;

// The oscillator of the experiment every start of the program begins with.
DrivenOscillator initialOscillator() {
    const Experiment e;
    return drivenOscillatorOf(e.inputs, e.derived);
}

// The same ball with c = 0: a linear system, which the linear formulas describe exactly.
DrivenOscillator withoutDrag() {
    DrivenOscillator s = initialOscillator();
    s.quadraticDrag = 0;
    return s;
}

// Where the linear amplitude peaks, √(ω0² − 2δ²)/2π, and the half width of that peak, δ/2π.
double resonance(const DrivenOscillator& s) {
    return std::sqrt(s.omega_0_sq - 2 * s.delta * s.delta) / (2 * std::numbers::pi);
}
double halfWidth(const DrivenOscillator& s) {
    return s.delta / (2 * std::numbers::pi);
}

void verifyClose(const ResonancePoint& p, double amplitude, double phase) {
    QVERIFY2(std::fabs(p.amplitude / amplitude - 1) <= amplitudeShare,
             qPrintable(QStringLiteral("A %1 against %2").arg(p.amplitude).arg(amplitude)));
    QVERIFY2(std::fabs(p.phase - phase) <= phaseRadians,
             qPrintable(QStringLiteral("phase %1 against %2").arg(p.phase).arg(phase)));
}

// Runs the tasks on two threads that take indices in turn.
void twoThreadMap(std::size_t count, const std::function<void(std::size_t)>& task) {
    std::atomic<std::size_t> next{0};
    const auto work = [&] {
        for (std::size_t k = next++; k < count; k = next++)
            task(k);
    };
    std::thread helper(work);
    work();
    helper.join();
}

} // namespace

Q_DECLARE_METATYPE(trelvix::DrivenOscillator)
Q_DECLARE_METATYPE(trelvix::FrequencyRange)
Q_DECLARE_METATYPE(trelvix::InputProblem)

class ResonanceTest : public QObject {
    Q_OBJECT

private slots:
    void linearSystemFollowsFormulas_data();
    void linearSystemFollowsFormulas();
    void dragAgreesWithLongIntegration_data();
    void dragAgreesWithLongIntegration();
    void refinedPeakMatchesFineGrid_data();
    void refinedPeakMatchesFineGrid();
    void touching_data();
    void touching();
    void failedNewtonFallsBackAndIsMarked();
    void extremesGiveTheirLimits_data();
    void extremesGiveTheirLimits();
    void flatCurveWithoutDrive();
    void gridCannotOverflow();
    void badInputComputesNothing_data();
    void badInputComputesNothing();
    void overflowMarksPointsAndSweepGoesOn();
    void cancellingKeepsComputedPoints();
    void parallelSweepEqualsSerial();
    void csvIsLocaleFree();
};

void ResonanceTest::linearSystemFollowsFormulas_data() {
    const DrivenOscillator s = withoutDrag();
    QTest::addColumn<double>("nu");
    QTest::newRow("quasi-static drive") << 0.2;
    QTest::newRow("below resonance") << 3.0;
    QTest::newRow("half width below") << resonance(s) - halfWidth(s);
    QTest::newRow("resonance") << resonance(s);
    QTest::newRow("half width above") << resonance(s) + halfWidth(s);
    QTest::newRow("initial drive") << 4.5;
    QTest::newRow("far above") << 30.0;
}

void ResonanceTest::linearSystemFollowsFormulas() {
    QFETCH(double, nu);
    const DrivenOscillator s = withoutDrag();
    const ResonancePoint p = steadyState(s, nu);
    QCOMPARE(p.status, PointStatus::Solved);
    verifyClose(p, linearAmplitude(s, nu), linearPhase(s, nu));
}

void ResonanceTest::dragAgreesWithLongIntegration_data() {
    QTest::addColumn<double>("nu");
    QTest::newRow("low") << 1.5;
    QTest::newRow("linear resonance") << resonance(initialOscillator());
    QTest::newRow("initial drive") << 4.5;
    QTest::newRow("high") << 8.0;
}

// The reference waits, with four times finer steps, until the transient has died out.
void ResonanceTest::dragAgreesWithLongIntegration() {
    QFETCH(double, nu);
    const DrivenOscillator s = initialOscillator();
    SteadyStateSettings fine;
    fine.stepsPerCycle *= 4;
    long periods = 0;
    const ResonancePoint reference =
        steadyStateByIntegration(s, nu, 1e-13, 10'000'000, periods, fine);
    QCOMPARE(reference.status, PointStatus::Solved);
    const ResonancePoint p = steadyState(s, nu);
    QCOMPARE(p.status, PointStatus::Solved);
    verifyClose(p, reference.amplitude, reference.phase);
}

void ResonanceTest::refinedPeakMatchesFineGrid_data() {
    QTest::addColumn<DrivenOscillator>("s");
    QTest::addColumn<FrequencyRange>("coarse");
    QTest::addColumn<FrequencyRange>("fine");
    const DrivenOscillator water = withoutDrag();
    const double nu_r = resonance(water);
    QTest::newRow("sharp linear peak")
        << water << FrequencyRange{3, 5, 21}
        << FrequencyRange{nu_r - 4 * halfWidth(water), nu_r + 4 * halfWidth(water), 801};
    QTest::newRow("drag-limited peak")
        << initialOscillator() << FrequencyRange{2, 6, 6} << FrequencyRange{3.5, 4.5, 2001};
}

void ResonanceTest::refinedPeakMatchesFineGrid() {
    QFETCH(DrivenOscillator, s);
    QFETCH(FrequencyRange, coarse);
    QFETCH(FrequencyRange, fine);
    const double truePeak =
        peakPoint(sweep(s, fine, {serialMap, false, nullptr}).points)->amplitude;
    const Sweep grid = sweep(s, coarse, {serialMap, false, nullptr});
    const Sweep refined = sweep(s, coarse);
    // The grid alone misses the top; the refinement finds it.
    QVERIFY(peakPoint(grid.points)->amplitude < 0.9 * truePeak);
    QCOMPARE_LE(std::fabs(peakPoint(refined.points)->amplitude / truePeak - 1), 5e-3);
    QVERIFY(std::is_sorted(refined.points.begin(), refined.points.end(),
                           [](const auto& a, const auto& b) { return a.nu < b.nu; }));
}

void ResonanceTest::touching_data() {
    QTest::addColumn<DrivenOscillator>("s");
    QTest::addColumn<double>("nu");
    QTest::addColumn<bool>("touches");
    const DrivenOscillator water = withoutDrag();
    QTest::newRow("resonance without drag") << water << resonance(water) << true;
    QTest::newRow("resonance with drag") << initialOscillator() << resonance(water) << false;
    // The lowest point lies between Xm + d/2 and Xm + d: the ball's centre stays a radius off.
    QTest::newRow("3.918 Hz without drag") << water << 3.918 << false;

    // A limit just above or just below the lowest point of the linear steady state at 4.5 Hz.
    const double lowest = water.Xg - linearAmplitude(water, 4.5);
    DrivenOscillator above = water, below = water;
    above.touchLimit = lowest + 1e-4;
    below.touchLimit = lowest - 1e-4;
    QTest::newRow("limit above the lowest point") << above << 4.5 << true;
    QTest::newRow("limit below the lowest point") << below << 4.5 << false;
}

void ResonanceTest::touching() {
    QFETCH(DrivenOscillator, s);
    QFETCH(double, nu);
    QFETCH(bool, touches);
    QCOMPARE(steadyState(s, nu).touches, touches);
}

// One Newton step cannot confirm convergence, so the bounded integration takes over.  Near the
// peak the drag damps the transient within a few hundred periods, so its values are right, but
// the point still says they may not be.
void ResonanceTest::failedNewtonFallsBackAndIsMarked() {
    const DrivenOscillator s = initialOscillator();
    const double nu = 3.95;
    SteadyStateSettings oneIteration;
    oneIteration.maxNewtonIterations = 1;
    const ResonancePoint fallback = steadyState(s, nu, oneIteration);
    const ResonancePoint solved = steadyState(s, nu);
    QCOMPARE(fallback.status, PointStatus::Uncertain);
    QCOMPARE(solved.status, PointStatus::Solved);
    verifyClose(fallback, solved.amplitude, solved.phase);
}

void ResonanceTest::extremesGiveTheirLimits_data() {
    QTest::addColumn<DrivenOscillator>("s");
    QTest::addColumn<double>("nu");
    QTest::addColumn<double>("amplitude");
    QTest::addColumn<double>("phase");
    QTest::addColumn<bool>("touches");
    const DrivenOscillator s = initialOscillator();
    const double nu_0 = std::sqrt(s.omega_0_sq) / (2 * std::numbers::pi);
    // Far below ν0 the ball follows the suspension: A = Xm/(1 − (ν/ν0)²) to the drag's share.
    for (double nu : {1e-6, 1e-3, 0.02})
        QTest::addRow("drive at %g Hz", nu)
            << s << nu << s.Xm / (1 - (nu / nu_0) * (nu / nu_0)) << 0.0 << false;
    DrivenOscillator undamped = withoutDrag();
    undamped.delta = 0;
    QTest::newRow("undamped exact resonance")
        << undamped << nu_0 << std::numeric_limits<double>::infinity() << std::numbers::pi / 2
        << true;
    DrivenOscillator still = s;
    still.Xm = 0;
    QTest::newRow("no drive") << still << 4.0 << 0.0 << linearPhase(still, 4.0) << false;
}

void ResonanceTest::extremesGiveTheirLimits() {
    QFETCH(DrivenOscillator, s);
    QFETCH(double, nu);
    QFETCH(double, amplitude);
    QFETCH(double, phase);
    QFETCH(bool, touches);
    const ResonancePoint p = steadyState(s, nu);
    QCOMPARE(p.status, PointStatus::Solved);
    QCOMPARE(p.touches, touches);
    QCOMPARE_LE(std::fabs(p.phase - phase), phaseRadians);
    if (std::isfinite(amplitude) && amplitude != 0)
        QCOMPARE_LE(std::fabs(p.amplitude / amplitude - 1), amplitudeShare);
    else
        QCOMPARE(p.amplitude, amplitude);
}

// Without a drive the curve is flat and needs no refining.
void ResonanceTest::flatCurveWithoutDrive() {
    DrivenOscillator still = initialOscillator();
    still.Xm = 0;
    const Sweep flat = sweep(still, {1, 8, 50});
    QCOMPARE(flat.points.size(), std::size_t{50});
    for (const ResonancePoint& p : flat.points) {
        QCOMPARE(p.amplitude, 0.0);
        QCOMPARE(p.status, PointStatus::Solved);
    }
}

// The grid of the widest range runs to its end without overflowing.
void ResonanceTest::gridCannotOverflow() {
    const FrequencyRange widest{1, 1.7e308, 11};
    const std::vector<double> grid = gridFrequencies(widest);
    QCOMPARE(grid.size(), std::size_t{11});
    for (std::size_t i = 1; i < grid.size(); ++i)
        QVERIFY2(std::isfinite(grid[i]) && grid[i] > grid[i - 1], qPrintable(QString::number(i)));
    QCOMPARE(grid.back(), widest.to);
}

void ResonanceTest::badInputComputesNothing_data() {
    QTest::addColumn<DrivenOscillator>("s");
    QTest::addColumn<FrequencyRange>("range");
    QTest::addColumn<InputProblem>("problem");
    const DrivenOscillator s = initialOscillator();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const FrequencyRange good{1, 5, 10};
    const auto changed = [&](auto change) {
        DrivenOscillator c = s;
        change(c);
        return c;
    };
    QTest::newRow("from zero") << s << FrequencyRange{0, 5, 10}
                               << InputProblem::NonPositiveFrequency;
    QTest::newRow("negative") << s << FrequencyRange{-1, 5, 10}
                              << InputProblem::NonPositiveFrequency;
    QTest::newRow("undefined end")
        << s << FrequencyRange{1, nan, 10} << InputProblem::NonPositiveFrequency;
    QTest::newRow("from equals to") << s << FrequencyRange{5, 5, 10} << InputProblem::EmptyRange;
    QTest::newRow("from above to") << s << FrequencyRange{5, 1, 10} << InputProblem::EmptyRange;
    QTest::newRow("one point") << s << FrequencyRange{1, 5, 1} << InputProblem::TooFewPoints;
    QTest::newRow("too many") << s << FrequencyRange{1, 5, maxSweepPoints + 1}
                              << InputProblem::TooManyPoints;
    QTest::newRow("no spring") << changed([](auto& c) { c.omega_0_sq = 0; }) << good
                               << InputProblem::NoRestoringForce;
    QTest::newRow("negative viscosity")
        << changed([](auto& c) { c.delta = -0.1; }) << good << InputProblem::NegativeDamping;
    QTest::newRow("negative drag")
        << changed([](auto& c) { c.quadraticDrag = -1; }) << good << InputProblem::NegativeDamping;
    QTest::newRow("negative drive")
        << changed([](auto& c) { c.Xm = -0.005; }) << good << InputProblem::NegativeDriveAmplitude;
    QTest::newRow("infinite equilibrium")
        << changed([](auto& c) { c.Xg = std::numeric_limits<double>::infinity(); }) << good
        << InputProblem::NonFiniteCoefficient;
}

void ResonanceTest::badInputComputesNothing() {
    QFETCH(DrivenOscillator, s);
    QFETCH(FrequencyRange, range);
    QFETCH(InputProblem, problem);
    std::size_t tasks = 0;
    const auto counting = [&](std::size_t count, const std::function<void(std::size_t)>& task) {
        tasks += count;
        serialMap(count, task);
    };
    const Sweep result = sweep(s, range, {counting, true, nullptr});
    QCOMPARE(result.problem, problem);
    QVERIFY(result.points.empty());
    QCOMPARE(tasks, std::size_t{0});
    // A single point of refused input is not computed either.
    if (checkOscillator(s) != InputProblem::None)
        QCOMPARE(steadyState(s, 4.0).status, PointStatus::NonFinite);
    if (problem == InputProblem::NonPositiveFrequency) {
        const double nu = checkFrequency(range.from) != InputProblem::None ? range.from : range.to;
        QCOMPARE(steadyState(s, nu).status, PointStatus::NonFinite);
    }
}

// A drive so large that near the resonance the motion exceeds the number range.
void ResonanceTest::overflowMarksPointsAndSweepGoesOn() {
    DrivenOscillator s = withoutDrag();
    s.Xm = 1e303;
    const FrequencyRange range{2, 6, 21};
    const Sweep result = sweep(s, range);
    QCOMPARE(result.problem, InputProblem::None);
    QVERIFY(std::any_of(result.points.begin(), result.points.end(),
                        [](const auto& p) { return p.status == PointStatus::NonFinite; }));
    for (const ResonancePoint* p : {&result.points.front(), &result.points.back()}) {
        QCOMPARE(p->status, PointStatus::Solved);
        verifyClose(*p, linearAmplitude(s, p->nu), linearPhase(s, p->nu));
    }
    QCOMPARE(result.points.back().nu, range.to);
}

void ResonanceTest::cancellingKeepsComputedPoints() {
    std::atomic<bool> cancel{false};
    const auto cancelAfterThree = [&](std::size_t count,
                                      const std::function<void(std::size_t)>& task) {
        serialMap(count, [&](std::size_t k) {
            task(k);
            if (k == 2) cancel = true;
        });
    };
    const FrequencyRange range{1, 5, 50};
    const Sweep result = sweep(initialOscillator(), range, {cancelAfterThree, true, &cancel});
    QVERIFY(result.cancelled);
    QCOMPARE(result.points.size(), std::size_t{3});
    const std::vector<double> grid = gridFrequencies(range);
    for (std::size_t k = 0; k < 3; ++k)
        QCOMPARE(result.points[k].nu, grid[k]);
}

// Points computed on two threads, in whatever order they come, make the same curve; the grid
// sweep has the points of the command line, from + i·(to − from)/(N − 1), nothing else.
void ResonanceTest::parallelSweepEqualsSerial() {
    const DrivenOscillator s = initialOscillator();
    const FrequencyRange range{2, 6, 41};
    QCOMPARE(resonanceCsv(s, sweep(s, range, {twoThreadMap, true, nullptr}).points),
             resonanceCsv(s, sweep(s, range).points));
    const Sweep grid = sweep(s, range, {twoThreadMap, false, nullptr});
    QCOMPARE(grid.points.size(), std::size_t(range.points));
    for (std::size_t i = 0; i < grid.points.size(); ++i)
        QCOMPARE(grid.points[i].nu, range.from + double(i) * (range.to - range.from) / 40);
}

// Under a Russian locale printf would write decimal commas; the text must not.
void ResonanceTest::csvIsLocaleFree() {
    const DrivenOscillator water = withoutDrag();
    const std::vector<ResonancePoint> points{steadyState(water, resonance(water)),
                                             steadyState(initialOscillator(), 4.5)};
    const char* russian = std::setlocale(LC_ALL, "ru_RU.UTF-8");
    std::istringstream text(resonanceCsv(water, points));
    std::setlocale(LC_ALL, "C");
    if (!russian) QSKIP("no Russian locale installed");

    std::string line;
    std::getline(text, line);
    QCOMPARE(QString::fromStdString(line),
             "nu_Hz,amplitude_m,phase_rad,amplitude_linear_m,phase_linear_rad,touches");
    for (const ResonancePoint& p : points) {
        QVERIFY(std::getline(text, line));
        const QStringList fields = QString::fromStdString(line).split(',');
        QCOMPARE(fields.size(), 6);
        const double expected[] = {p.nu, p.amplitude, p.phase, linearAmplitude(water, p.nu),
                                   linearPhase(water, p.nu)};
        for (int i = 0; i < 5; ++i) {
            const std::string field = fields[i].toStdString();
            double value = 0;
            const auto read = std::from_chars(field.data(), field.data() + field.size(), value);
            QCOMPARE(read.ptr, field.data() + field.size());
            QCOMPARE_LE(std::fabs(value / expected[i] - 1), 1e-7);
        }
        QCOMPARE(fields[5], QString(p.touches ? "1" : "0"));
    }
    QVERIFY(points[0].touches != points[1].touches);
    QVERIFY(!std::getline(text, line));
}

QTEST_GUILESS_MAIN(ResonanceTest)
#include "tst_resonance.moc"
