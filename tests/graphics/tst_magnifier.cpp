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

Experiment zoomed(double masshtab_1) {
    Experiment e = probe::initialState();
    e.masshtab_1 = masshtab_1;
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
        const PlotFrames& f = r.frames;
        QCOMPARE(f.shag_lupy, f.shag_setki_yx);
        QCOMPARE(f.pravo_lupy - f.levo_lupy, 2 * zoom * f.shag_lupy);
        QVERIFY(std::abs((f.niz_lupy - f.verh_lupy) - (f.pravo_lupy - f.levo_lupy)) < 1e-12);
        const QPointF centre = r.panels.form3.toPixel({0, r.e.Xg});
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
        const Surface& lupa = r.panels.form3;
        const QList<int> columns = probe::columnsOf(lupa, probe::lightGreen, 200);
        QVERIFY(probe::sameLines(columns, {62, 187}));
        const QList<int> rows = probe::rowsOf(lupa, probe::lightGreen, 50);
        QVERIFY(probe::sameLines(rows, {62, 125, 187}));
        QVERIFY(probe::sameLines(probe::columnsOf(lupa, probe::black, 240), {125}));
    }

    // Labels Xg − s, Xg and Xg + s with four decimals, starting on the centre line.
    void labels() {
        const probe::Redrawn r(probe::initialState());
        const double s = r.frames.polshaga_lupy;
        const QRect axis(125, 0, 1, 250);
        for (double y : {r.e.Xg - s, r.e.Xg, r.e.Xg + s}) {
            const QString text = QString::fromStdString(formatNumber(y, "#0.0000", ","));
            QVERIFY2(probe::showsText(r.panels.form3, {0, y}, text, axis), qPrintable(text));
        }
        QVERIFY(!probe::showsText(r.panels.form3, {0, r.e.Xg},
                                  QString::fromStdString(formatNumber(r.e.Xg, "#0.000", ",")),
                                  axis));
    }

    void dashedEquilibriumLine() {
        const probe::Redrawn r(probe::initialState());
        const int red = count(r.panels.form3, QRect(0, 125, 250, 1), probe::red);
        QVERIFY2(red > 250 / 3 && red < 250 * 4 / 5, qPrintable(QString::number(red)));
        QCOMPARE(count(r.panels.form3, r.panels.form3.image().rect(), probe::red), red);
        QCOMPARE(r.panels.form3.currentPosition(), QPointF(0, r.e.X0));
        QCOMPARE(r.panels.form3.drawWidth(), 1);
    }

    // Each step of a run extends the trace 3 pixels wide and leaves the pen at 1.
    void traceIsThreePixelsWide() {
        Experiment e = probe::initialState();
        e.X0 = e.Xg - 0.02;
        probe::Redrawn r(e);
        magnifierTrace(r.panels.form3, e.Xg + 0.02);
        QCOMPARE(r.panels.form3.drawWidth(), 1);
        QCOMPARE(probe::colourAt(r.panels.form3, {0, e.Xg + 0.01}), probe::red);
        const int row = probe::pixelOf(r.panels.form3, {0, e.Xg + 0.01}).y();
        QCOMPARE(count(r.panels.form3, QRect(0, row, 250, 1), probe::red), 3);
        QCOMPARE(r.panels.form3.currentPosition(), QPointF(0, e.Xg + 0.02));
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
        const probe::Redrawn r(probe::initialState());
        const double side = r.frames.niz_lupy - r.frames.verh_lupy;
        const double X = r.e.Xg + offset * side;
        const QRect place = markerRect(r.panels.form3, X, marker);
        QCOMPARE(place.size(), marker);
        const QPointF centre = r.panels.form3.toPixel({0, X});
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
        const probe::Redrawn r(probe::initialState());
        const QRect place = markerRect(r.panels.form3, X, QSize(10, 17));
        QVERIFY(!place.intersects(QRect(0, 0, 250, 250)));
        QVERIFY(place.intersects(QRect(-30, -30, 310, 310)));
    }
};

QTEST_MAIN(MagnifierTest)
#include "tst_magnifier.moc"
