// The full redraw of all six surfaces, the drawing of a run's steps, and inputs at the edge of
// what the fields accept: the plots must never crash or stall, and a panel whose frame makes no
// sense stays blank while the others are drawn.

#include "graphics/magnifier.h"
#include "graphics/redraw.h"
#include "graphics/run_step.h"
#include "graphics/scene.h"
#include "model/single_precision.h"
#include "probe.h"

#include <QtTest>
#include <cmath>
#include <functional>
#include <limits>

using namespace trelvix;
using namespace trelvix::graphics;
using probe::count;

namespace {

constexpr double notANumber = std::numeric_limits<double>::quiet_NaN();
constexpr double infinity = std::numeric_limits<double>::infinity();

using Change = std::function<void(Experiment&, probe::Panels&)>;

QList<const Surface*> surfacesOf(const probe::Panels& p) {
    return {&p.plane, &p.scene, &p.displacement, &p.velocity, &p.energy, &p.magnifier};
}

const QStringList surfaceNames{"plane", "scene", "displacement", "velocity", "energy", "magnifier"};

bool blank(const Surface& s) {
    return probe::inked(s, s.image().rect()) == 0;
}

// The animation without a frame of its own still shows the copy of the plane, then blank.
bool blankScene(const probe::Panels& p) {
    return blank(p.plane) && p.scene.image() == p.plane.image();
}

} // namespace

Q_DECLARE_METATYPE(Change)

class RedrawTest : public QObject {
    Q_OBJECT

private slots:
    // Whatever was on the surfaces is gone after the full redraw.
    void fullRedrawStartsFromClearedSurfaces() {
        probe::Redrawn r(Experiment{});
        Surfaces s = r.panels.all();
        const QColor stray(0, 0, 255);
        for (const Surface* surface : surfacesOf(r.panels)) {
            auto& writable = const_cast<Surface&>(*surface);
            writable.setCurrentPosition({0, 0});
            writable.lineTo(writable.toUser({300, 150}), stray);
        }
        r.frames = redrawAll(r.e, s, r.panels.layout(), ",");
        for (const Surface* surface : surfacesOf(r.panels))
            QCOMPARE(count(*surface, surface->image().rect(), stray), 0);
    }

    // Each step continues every trace from where the last one ended, in red: the plane and the
    // magnifier along the vertical axis, the time graphs at the new time.
    void runStepsExtendEveryTrace() {
        probe::Redrawn r(Experiment{});
        Surfaces s = r.panels.all();
        const double X0 = r.e.inputs.X0;
        const double Xg = r.e.derived.Xg;
        for (int step = 1; step <= 2; ++step) {
            RunState state;
            state.t = 0.5 * step;
            state.X = X0 - 0.04 * step;
            state.Vx = -0.2 * step;
            state.W = 0.05F * float(step);
            drawRunStep(state, Xg, s);
        }
        const auto red = [](const Surface& surface, QPointF at) {
            return probe::colourAt(surface, at) == probe::red;
        };
        QVERIFY(red(r.panels.plane, {0, X0 - 0.02}));
        QVERIFY(red(r.panels.plane, {0, X0 - 0.06}));
        QVERIFY(red(r.panels.displacement, {0.25, (X0 - 0.02) - Xg}));
        QVERIFY(red(r.panels.displacement, {0.75, (X0 - 0.06) - Xg}));
        QVERIFY(red(r.panels.velocity, {0.75, -0.3}));
        QVERIFY(red(r.panels.energy, {1.0, 0.1}));
        QCOMPARE(r.panels.energy.currentPosition(), QPointF(1.0, double(0.1F)));
        // The magnifier shows X0 − 0.04 … X0 − 0.08 only if it reaches there; its trace is red
        // wherever the view covers it.
        const double top = std::max(X0 - 0.08, r.frames.magnifier.top);
        QVERIFY(red(r.panels.magnifier, {0, (top + std::min(X0, r.frames.magnifier.bottom)) / 2}));
        // Nothing but the traces turned red on the time graphs.
        QCOMPARE(count(r.panels.velocity, QRect(200, 0, 147, 161), probe::red), 0);
    }

    // The plot routines' inputs at the edges: each row names the surfaces that must come out
    // blank; every other surface must be drawn.  None may crash or stall, and drawing steps and
    // animation frames afterwards must be just as safe.
    void extremeInputs_data() {
        QTest::addColumn<Change>("change");
        QTest::addColumn<QStringList>("blankSurfaces");
        const auto experiment = [](std::function<void(Experiment&)> f) {
            return Change([f](Experiment& e, probe::Panels&) { f(e); });
        };
        QTest::newRow("X_max NaN")
            << experiment([](Experiment& e) { e.derived.X_max = notANumber; })
            << QStringList{"plane", "scene", "displacement", "magnifier"};
        QTest::newRow("X_max infinite")
            << experiment([](Experiment& e) { e.derived.X_max = infinity; })
            << QStringList{"plane", "scene", "displacement", "magnifier"};
        QTest::newRow("X_max 0: ball at rest at equilibrium")
            << experiment([](Experiment& e) { e.derived.X_max = 0; })
            << QStringList{"displacement"};
        QTest::newRow("X_max negative: frame upside down")
            << experiment([](Experiment& e) { e.derived.X_max = -1; }) << QStringList{};
        QTest::newRow("X_max beyond any frame")
            << experiment([](Experiment& e) { e.derived.X_max = 1e307; }) << QStringList{};
        QTest::newRow("W_max 0: no energy at all") << experiment([](Experiment& e) {
            e.inputs.V0x = 0;
            e.inputs.X0 = e.derived.Xg;
            e.inputs.Xm = 0;
        }) << QStringList{"energy"};
        QTest::newRow("T huge: 1e9 s")
            << experiment([](Experiment& e) { e.inputs.T = 1e9F; }) << QStringList{};
        QTest::newRow("T huge: 1e30 s")
            << experiment([](Experiment& e) { e.inputs.T = 1e30F; }) << QStringList{};
        QTest::newRow("T_0 tiny") << experiment([](Experiment& e) { e.derived.T_0 = 1e-12; })
                                  << QStringList{};
        QTest::newRow("T_0 below float")
            << experiment([](Experiment& e) { e.derived.T_0 = 1e-300; }) << QStringList{};
        QTest::newRow("T_0 zero") << experiment([](Experiment& e) { e.derived.T_0 = 0; })
                                  << QStringList{};
        QTest::newRow("T_0 infinite")
            << experiment([](Experiment& e) { e.derived.T_0 = infinity; }) << QStringList{};
        QTest::newRow("Vx_max NaN")
            << experiment([](Experiment& e) { e.derived.Vx_max = notANumber; })
            << QStringList{"velocity"};
        QTest::newRow("energy beyond float")
            << experiment([](Experiment& e) { e.inputs.V0x = 1e30; }) << QStringList{"energy"};
        QTest::newRow("Xg NaN") << experiment([](Experiment& e) { e.derived.Xg = notANumber; })
                                << QStringList{"plane", "scene", "energy", "magnifier"};
        QTest::newRow("flat Y-X panel: planeAspect NaN")
            << Change([](Experiment&, probe::Panels& p) {
                   p.plane.resize({364, 0});
               })
            << QStringList{"plane", "scene"};
        QTest::newRow("Y-X panel without width: planeAspect 0")
            << Change([](Experiment&, probe::Panels& p) {
                   p.plane.resize({0, 496});
                   p.scene.resize({0, 496});
               })
            << QStringList{"plane", "scene"};
        QTest::newRow("minimised window: all panels empty")
            << Change([](Experiment&, probe::Panels& p) {
                   for (const Surface* s : surfacesOf(p))
                       const_cast<Surface&>(*s).resize({0, 0});
               })
            << surfaceNames;
        QTest::newRow("one pixel panels") << Change([](Experiment&, probe::Panels& p) {
            for (const Surface* s : surfacesOf(p))
                const_cast<Surface&>(*s).resize({1, 1});
        }) << QStringList{};
    }
    void extremeInputs() {
        QFETCH(Change, change);
        QFETCH(QStringList, blankSurfaces);
        probe::Panels panels;
        Experiment e;
        change(e, panels);
        Surfaces s = panels.all();
        const PlotLayout layout = layoutForPlane(panels.plane.size());
        redrawAll(e, s, layout, ",");
        const QList<const Surface*> all = surfacesOf(panels);
        for (qsizetype k = 0; k < all.size(); ++k) {
            const bool expectBlank = blankSurfaces.contains(surfaceNames[k]);
            const bool isBlank = blank(*all[k]) || (all[k] == &panels.scene && blankScene(panels));
            QVERIFY2(isBlank == expectBlank, qPrintable(surfaceNames[k]));
        }
        RunState state;
        for (double X : {e.inputs.X0 + 0.01, 1e300, -infinity, notANumber}) {
            state.t += 0.01;
            state.X = X;
            state.Vx = X;
            state.W = toSingle(X);
            drawRunStep(state, e.derived.Xg, s);
            repaintScene(e, state, s, layout);
            markerRect(panels.magnifier, X, {10, 17});
        }
    }
};

QTEST_MAIN(RedrawTest)
#include "tst_redraw.moc"
