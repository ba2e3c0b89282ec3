// The magnifier: its square frame about the equilibrium point, the 4 × 4 grid with its labels,
// the dashed equilibrium line, the trace and the place of the ball marker.

#include "graphics/magnifier.h"
#include "model/number_text.h"
#include "probe.h"

#include <QtTest>
#include <cmath>
#include <limits>

using namespace trelvix;
using namespace trelvix::graphics;
using probe::count;

namespace {

Experiment zoomed(double magnifierZoom) {
    Experiment e;
    e.view.magnifierZoom = magnifierZoom;
    return e;
}

} // namespace

class MagnifierTest : public QObject {
    Q_OBJECT

private slots:
    void squareFrameAboutTheEquilibrium_data() {
        QTest::addColumn<double>("zoom");
        QTest::newRow("1") << 1.0;
        QTest::newRow("3") << 3.0;
        QTest::newRow("10") << 10.0;
    }
    void squareFrameAboutTheEquilibrium() {
        QFETCH(double, zoom);
        const probe::Redrawn r(zoomed(zoom));
        const MagnifierFrame& f = r.frames.magnifier;
        QCOMPARE(f.step, r.frames.plane.gridStep);
        QCOMPARE(f.right - f.left, 2 * zoom * f.step);
        QVERIFY(std::abs((f.bottom - f.top) - (f.right - f.left)) < 1e-12);
        const QPointF centre = r.panels.magnifier.toPixel({0, r.e.derived.Xg});
        QVERIFY(std::abs(centre.x() - 125) < 1e-9 && std::abs(centre.y() - 125) < 1e-9);
    }

    // Whatever the zoom, the view is four cells each way: three inner grid lines, the middle
    // vertical one under the axis, the middle horizontal one under the dashed line.
    void threeInnerGridLinesEachWay_data() {
        QTest::addColumn<double>("zoom");
        for (int zoom = 1; zoom <= 10; ++zoom)
            QTest::newRow(qPrintable(QString::number(zoom))) << double(zoom);
    }
    void threeInnerGridLinesEachWay() {
        QFETCH(double, zoom);
        const probe::Redrawn r(zoomed(zoom));
        const Surface& lupa = r.panels.magnifier;
        const QList<int> columns = probe::columnsOf(lupa, probe::lightGreen, 200);
        QVERIFY(probe::sameLines(columns, {62, 187}));
        const QList<int> rows = probe::rowsOf(lupa, probe::lightGreen, 50);
        QVERIFY(probe::sameLines(rows, {62, 125, 187}));
        QVERIFY(probe::sameLines(probe::columnsOf(lupa, probe::black, 240), {125}));
    }

    // Labels Xg − s, Xg and Xg + s with four decimals, starting on the centre line.
    void labels() {
        const probe::Redrawn r(Experiment{});
        const double s = r.frames.magnifier.halfStep;
        const QRect axis(125, 0, 1, 250);
        for (double y : {r.e.derived.Xg - s, r.e.derived.Xg, r.e.derived.Xg + s}) {
            const QString text = QString::fromStdString(formatNumber(y, "#0.0000", ","));
            QVERIFY2(probe::showsText(r.panels.magnifier, {0, y}, text, axis), qPrintable(text));
        }
        QVERIFY(!probe::showsText(
            r.panels.magnifier, {0, r.e.derived.Xg},
            QString::fromStdString(formatNumber(r.e.derived.Xg, "#0.000", ",")), axis));
    }

    void dashedEquilibriumLine() {
        const probe::Redrawn r(Experiment{});
        const int red = count(r.panels.magnifier, QRect(0, 125, 250, 1), probe::red);
        QVERIFY2(red > 250 / 3 && red < 250 * 4 / 5, qPrintable(QString::number(red)));
        QCOMPARE(count(r.panels.magnifier, r.panels.magnifier.image().rect(), probe::red), red);
        QCOMPARE(r.panels.magnifier.currentPosition(), QPointF(0, r.e.inputs.X0));
        QCOMPARE(r.panels.magnifier.drawWidth(), 1);
    }

    // Each step of a run extends the trace 3 pixels wide and leaves the pen at 1.
    void traceIsThreePixelsWide() {
        Experiment e;
        const double Xg = e.derived.Xg;
        e.inputs.X0 = Xg - 0.02;
        probe::Redrawn r(e);
        drawMagnifierTrace(r.panels.magnifier, Xg + 0.02);
        QCOMPARE(r.panels.magnifier.drawWidth(), 1);
        QCOMPARE(probe::colourAt(r.panels.magnifier, {0, Xg + 0.01}), probe::red);
        const int row = probe::pixelOf(r.panels.magnifier, {0, Xg + 0.01}).y();
        QCOMPARE(count(r.panels.magnifier, QRect(0, row, 250, 1), probe::red), 3);
        QCOMPARE(r.panels.magnifier.currentPosition(), QPointF(0, Xg + 0.02));
    }

    void markerCentredOnTheBall_data() {
        QTest::addColumn<double>("offset"); // from Xg, in magnifier widths
        QTest::addColumn<QSize>("marker");
        QTest::newRow("at equilibrium") << 0.0 << QSize(10, 17);
        QTest::newRow("a quarter down") << 0.25 << QSize(10, 17);
        QTest::newRow("a third up, even size") << -0.33 << QSize(12, 12);
    }
    void markerCentredOnTheBall() {
        QFETCH(double, offset);
        QFETCH(QSize, marker);
        const probe::Redrawn r(Experiment{});
        const double side = r.frames.magnifier.bottom - r.frames.magnifier.top;
        const double X = r.e.derived.Xg + offset * side;
        const QRect place = markerRect(r.panels.magnifier, X, marker);
        QCOMPARE(place.size(), marker);
        const QPointF centre = r.panels.magnifier.toPixel({0, X});
        QVERIFY(std::abs(place.x() + marker.width() / 2.0 - centre.x()) <= 0.5);
        QVERIFY(std::abs(place.y() + marker.height() / 2.0 - centre.y()) <= 0.5);
    }

    // A ball far outside the view, or nowhere, puts the marker just outside the window.
    void markerOfABallOutOfView_data() {
        QTest::addColumn<double>("X");
        QTest::newRow("far below") << 1e12;
        QTest::newRow("far above") << -1e300;
        QTest::newRow("infinitely far") << std::numeric_limits<double>::infinity();
        QTest::newRow("nowhere") << std::numeric_limits<double>::quiet_NaN();
    }
    void markerOfABallOutOfView() {
        QFETCH(double, X);
        const probe::Redrawn r(Experiment{});
        const QRect place = markerRect(r.panels.magnifier, X, QSize(10, 17));
        QVERIFY(!place.intersects(QRect(0, 0, 250, 250)));
        QVERIFY(place.intersects(QRect(-30, -30, 310, 310)));
    }
};

QTEST_MAIN(MagnifierTest)
#include "tst_magnifier.moc"
