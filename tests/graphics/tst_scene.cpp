// The animation panel: the spring, the ball, the crank and the background copy of the plane.

#include "graphics/redraw.h"
#include "graphics/run_step.h"
#include "graphics/scene.h"
#include "probe.h"

#include <QtTest>
#include <cmath>
#include <limits>

using namespace trelvix;
using namespace trelvix::graphics;
using probe::count;

namespace {

constexpr double notANumber = std::numeric_limits<double>::quiet_NaN();

// A blank 400 × 800 panel, 2000 pixels per metre, x from −0.1 to 0.1 m and X from 0 to 0.4 m.
struct Blank {
    Surface scene;
    Experiment e;
    Blank() {
        scene.resize({400, 800});
        scene.scale(-0.1, 0, 0.1, 0.4);
        scene.clear();
    }
};

// Extent of the black pixels of each row, as offsets from the column `centre`.
struct RowExtent {
    int left = 0;
    int right = 0;
    bool inked = false;
};

QList<RowExtent> blackExtents(const Surface& s, int centre) {
    QList<RowExtent> rows;
    for (int y = 0; y < s.image().height(); ++y) {
        RowExtent r;
        for (int x = 0; x < s.image().width(); ++x)
            if (s.image().pixelColor(x, y) == probe::black) {
                if (!r.inked) r.left = r.right = x - centre;
                r.left = std::min(r.left, x - centre);
                r.right = std::max(r.right, x - centre);
                r.inked = true;
            }
        rows << r;
    }
    return rows;
}

// Runs of consecutive rows in which the wave reaches beyond `reach` pixels to one side.
int lobes(const QList<RowExtent>& rows, int reach, bool rightSide) {
    int found = 0;
    bool inside = false;
    for (const RowExtent& r : rows) {
        const bool beyond = r.inked && (rightSide ? r.right > reach : r.left < -reach);
        if (beyond && !inside) ++found;
        inside = beyond;
    }
    return found;
}

} // namespace

class SceneTest : public QObject {
    Q_OBJECT

private slots:
    // Straight down from (0, 0.02) to (0, 0.30): L = 0.28 m, half-wave p = 0.02 m = 40 px.
    // A lead of one half-wave, 11 half-waves of amplitude 0.02 m (40 px), a lead of two.
    void springHasElevenHalfWaves() {
        Blank b;
        drawSpring(b.e.view, b.scene, {0, 0.02}, {0, 0.30});
        const QList<RowExtent> rows = blackExtents(b.scene, 200);
        const int right = lobes(rows, 20, true);
        const int left = lobes(rows, 20, false);
        QCOMPARE(right + left, 11);
        QCOMPARE(std::abs(right - left), 1);
        int widest = 0;
        for (const RowExtent& r : rows)
            widest = std::max({widest, r.right, -r.left});
        QVERIFY2(widest >= 40 && widest <= 43, qPrintable(QString::number(widest)));
        // The leads run along the axis: 0.02–0.04 m (rows 40–80) and 0.26–0.30 m (520–600).
        for (int y : {45, 60, 75, 525, 560, 595}) {
            QVERIFY(rows[y].inked);
            QVERIFY2(rows[y].left >= -3 && rows[y].right <= 3, qPrintable(QString::number(y)));
        }
        QVERIFY(!rows[35].inked && !rows[606].inked);
        QCOMPARE(b.scene.currentPosition(), QPointF(0, 0.30));
        QCOMPARE(b.scene.drawWidth(), 4);
    }

    // The pin to the right of the ball: the spring still runs from the pin to the ball.
    void slantedSpringJoinsItsEnds() {
        Blank b;
        drawSpring(b.e.view, b.scene, {0.05, 0.02}, {-0.05, 0.30});
        QCOMPARE(probe::colourAt(b.scene, {0.05, 0.02}), probe::black);
        QCOMPARE(probe::colourAt(b.scene, {-0.05, 0.30}), probe::black);
        // Its waves stay within the amplitude of the straight line between the ends.
        const QPointF top = b.scene.toPixel({0.05, 0.02});
        const QPointF bottom = b.scene.toPixel({-0.05, 0.30});
        const QLineF axis(top, bottom);
        int beyond = 0, inked = 0;
        for (int y = 0; y < 800; ++y)
            for (int x = 0; x < 400; ++x)
                if (b.scene.image().pixelColor(x, y) == probe::black) {
                    ++inked;
                    const QPointF p(x + 0.5, y + 0.5);
                    const QPointF d = axis.p2() - axis.p1();
                    const double across =
                        std::abs(d.x() * (p.y() - top.y()) - d.y() * (p.x() - top.x())) /
                        axis.length();
                    beyond += across > 43;
                }
        QVERIFY(inked > 1000);
        QCOMPARE(beyond, 0);
    }

    void degenerateSprings_data() {
        QTest::addColumn<QPointF>("top");
        QTest::addColumn<QPointF>("bottom");
        QTest::addColumn<int>("leastInk");
        QTest::addColumn<int>("mostInk");
        QTest::newRow("zero length: a dot") << QPointF(0, 0.1) << QPointF(0, 0.1) << 4 << 30;
        QTest::newRow("shorter than a pixel: a dot")
            << QPointF(0, 0.1) << QPointF(0, 0.1 + 1e-300) << 4 << 30;
        QTest::newRow("end far beyond the panel: a straight line")
            << QPointF(0, 0.1) << QPointF(0, 1e300) << 4 * 600 << 5 * 610;
        QTest::newRow("ends too far apart to measure: a straight line")
            << QPointF(0, -1.5e308) << QPointF(0, 1.5e308) << 4 * 790 << 5 * 800;
        QTest::newRow("end nowhere: the upper end's dot")
            << QPointF(0, 0.1) << QPointF(notANumber, 0.2) << 4 << 30;
    }
    void degenerateSprings() {
        QFETCH(QPointF, top);
        QFETCH(QPointF, bottom);
        QFETCH(int, leastInk);
        QFETCH(int, mostInk);
        Blank b;
        drawSpring(b.e.view, b.scene, top, bottom);
        const int ink = probe::inked(b.scene, b.scene.image().rect());
        QVERIFY2(ink >= leastInk && ink <= mostInk, qPrintable(QString::number(ink)));
        QCOMPARE(probe::inked(b.scene, QRect(0, 0, 190, 800)), 0);
    }

    // The ball: a grey disc of radius d/2 about its centre, outlined in black.
    void ballAtItsCentre() {
        Blank b;
        b.scene.setDrawWidth(4);
        drawBall(b.e.inputs, b.scene, {0, 0.25});
        const double r = b.e.inputs.ballRadius(); // 25 px
        QCOMPARE(probe::colourAt(b.scene, {0, 0.25}), probe::grey);
        QCOMPARE(probe::colourAt(b.scene, {0.5 * r, 0.25 + 0.5 * r}), probe::grey);
        QCOMPARE(probe::colourAt(b.scene, {r, 0.25}), probe::black);
        QCOMPARE(probe::colourAt(b.scene, {0, 0.25 - r}), probe::black);
        QCOMPARE(probe::colourAt(b.scene, {0, 0.25 + 1.2 * r}), b.scene.backColor());
    }

    // The initial scene: the copied plane, the spring from the pin at the bottom of the wheel to
    // the top of the ball at X0, the ball, the brown crank and the red pin on top.
    void initialScene() {
        Experiment e;
        e.inputs.Xm = 0.03;
        const probe::Redrawn r(e);
        const Surface& scene = r.panels.scene;
        QCOMPARE(probe::colourAt(scene, {0, e.inputs.X0}), probe::grey);
        QCOMPARE(probe::colourAt(scene, {0, 0.03}), probe::red);
        QCOMPARE(probe::colourAt(scene, {0, 0.012}), probe::brown);
        QCOMPARE(probe::colourAt(scene, {-0.018, -0.018}), probe::grey);
        // The grid came with the copy.
        QVERIFY(!probe::columnsOf(scene, probe::lightGreen, 200).isEmpty());
        QCOMPARE(probe::colourAt(scene, {0, e.inputs.X0 - e.inputs.ballRadius() - 0.005}),
                 probe::black);
    }

    // A repaint during a run: the crank turned a quarter (pin at (R, 0)), the ball at its new
    // coordinate, and the trace drawn on the plane so far showing through the copy.
    void repaintShowsTheTraceAndTheTurnedCrank() {
        Experiment e;
        e.inputs.Xm = 0.03;
        probe::Redrawn r(e);
        Surfaces s = r.panels.all();
        RunState state;
        state.t = 0.1;
        state.X = 0.20;
        state.Vx = -0.5;
        state.crankX = 0.03;
        state.crankY = 0;
        drawRunStep(state, r.e.derived.Xg, s);
        repaintScene(r.e, state, s, r.panels.layout());
        const Surface& scene = r.panels.scene;
        QCOMPARE(probe::colourAt(scene, {0, 0.20}), probe::grey);
        QCOMPARE(probe::colourAt(scene, {0, 0.20 + r.e.inputs.ballRadius() + 0.01}), probe::red);
        QCOMPARE(probe::colourAt(scene, {0, 0.24}), probe::red);
        QCOMPARE(probe::colourAt(scene, {0.012, 0}), probe::brown);
        QCOMPARE(probe::colourAt(scene, {0.03, 0}),
                 probe::black); // the spring's end dot on the pin
        QCOMPARE(probe::colourAt(scene, {-0.015, 0.015}), probe::grey);
        QCOMPARE(scene.drawWidth(), 4);
        QCOMPARE(scene.foreColor(), probe::black);
    }

    // Pure green on the plane is the transparent key: the animation shows its own background
    // there, everything else of the plane comes through.
    void keyColourIsNotCopied() {
        probe::Redrawn r(Experiment{});
        Surfaces s = r.panels.all();
        r.panels.plane.setDrawWidth(1);
        r.panels.plane.line({-0.1, 0.1}, {-0.02, 0.1}, probe::pureGreen);
        RunState atStart;
        atStart.X = r.e.inputs.X0;
        repaintScene(r.e, atStart, s, r.panels.layout());
        const Surface& scene = r.panels.scene;
        QCOMPARE(count(scene, scene.image().rect(), probe::pureGreen), 0);
        QCOMPARE(probe::colourAt(scene, {-0.05, 0.1}), scene.backColor());
        QCOMPARE(probe::colourAt(scene, {-0.05, r.e.derived.Xg}),
                 probe::colourAt(r.panels.plane, {-0.05, r.e.derived.Xg}));
    }

    // Without drive the crank and the pin collapse onto the wheel centre.
    void noDriveCollapsesTheCrank() {
        Experiment e;
        e.inputs.Xm = 0;
        const probe::Redrawn r(e);
        QCOMPARE(count(r.panels.scene, r.panels.scene.image().rect(), probe::brown), 0);
        QCOMPARE(probe::colourAt(r.panels.scene, {0, 0}), probe::red);
    }
};

QTEST_MAIN(SceneTest)
#include "tst_scene.moc"
