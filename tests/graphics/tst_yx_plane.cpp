// The Y-X plane plot after a redraw: grid, axes, labels, the equilibrium line and the wheel.

#include "graphics/redraw.h"
#include "model/number_text.h"
#include "probe.h"

#include <QtTest>
#include <cmath>

using namespace trelvix;
using namespace trelvix::graphics;
using probe::count;

namespace {

// Columns (rows) at which the lines x = i·s (y = i·s) land, for the i given.
QList<int> expectedColumns(const Surface& s, double step, int from, int to) {
    QList<int> columns;
    for (int i = from; i <= to; ++i)
        columns << probe::pixelOf(s, {i * step, 0}).x();
    return columns;
}

QList<int> expectedRows(const Surface& s, double step, int from, int to) {
    QList<int> rows;
    for (int i = from; i <= to; ++i)
        rows << probe::pixelOf(s, {0, i * step}).y();
    return rows;
}

// The mean of the centres of the pixels of exactly `colour`.
QPointF centroidOf(const Surface& s, const QColor& colour) {
    QPointF sum;
    int n = 0;
    for (int y = 0; y < s.image().height(); ++y)
        for (int x = 0; x < s.image().width(); ++x)
            if (s.image().pixelColor(x, y) == colour) {
                sum += QPointF(x + 0.5, y + 0.5);
                ++n;
            }
    return n > 0 ? sum / n : QPointF(-1, -1);
}

} // namespace

class YxPlaneTest : public QObject {
    Q_OBJECT

private slots:
    // The plane runs from the top of the crank circle (X = −Xm) down, centred on the vertical
    // axis, and the animation shares its frame pixel for pixel.
    void frameOfThePlane() {
        const probe::Redrawn r(Experiment{});
        const Surface& plane = r.panels.plane;
        QCOMPARE(plane.toPixel({0, -0.005}), QPointF(182, 0));
        QVERIFY(std::abs(plane.toUser({0, 496}).y() -
                         (r.e.derived.Xg + r.e.derived.X_max + 0.025 + 0.005)) < 1e-12);
        QVERIFY(std::abs(plane.pixelsPerUnit().x() / plane.pixelsPerUnit().y() - 1) < 1e-6);
        QCOMPARE(r.panels.scene.toPixel({0.01, 0.2}), plane.toPixel({0.01, 0.2}));
    }

    // Light green lines at every grid step, symmetric about the vertical axis, none between.
    // The lines through the origin lie under the black axes.
    void gridLinesWhereTheyBelong() {
        const probe::Redrawn r(Experiment{});
        const Surface& plane = r.panels.plane;
        const double s = r.frames.plane.gridStep;
        const int half = int(std::floor(r.frames.plane.columns / 2));
        QList<int> columns = expectedColumns(plane, s, -half, half);
        columns.removeAt(half); // x = 0: the vertical axis
        QVERIFY(probe::sameLines(probe::columnsOf(plane, probe::lightGreen, 496 / 2), columns));
        QVERIFY(probe::sameLines(probe::rowsOf(plane, probe::lightGreen, 364 / 2),
                                 expectedRows(plane, s, 1, 9)));
    }

    void axesAreBlack() {
        const probe::Redrawn r(Experiment{});
        const Surface& plane = r.panels.plane;
        const QList<int> columns = probe::columnsOf(plane, probe::black, 400);
        QCOMPARE(columns.size(), 3);
        QVERIFY(std::abs(columns[1] - 182) <= 1);
        const QList<int> rows = probe::rowsOf(plane, probe::black, 300);
        QCOMPARE(rows.size(), 3);
        QVERIFY(std::abs(rows[1] - plane.toPixel({0, 0}).y()) <= 1.5);
    }

    // Red dashes across the whole width at the equilibrium coordinate, and no red elsewhere.
    void dashedEquilibriumLine() {
        const probe::Redrawn r(Experiment{});
        const Surface& plane = r.panels.plane;
        const int row = probe::pixelOf(plane, {0, r.e.derived.Xg}).y();
        const int red = count(plane, QRect(0, row, 364, 1), probe::red);
        QVERIFY2(red > 364 / 3 && red < 364 * 4 / 5, qPrintable(QString::number(red)));
        QCOMPARE(count(plane, plane.image().rect(), probe::red), red);
        QVERIFY(count(plane, QRect(0, row, 30, 1), probe::red) > 10);
        QVERIFY(count(plane, QRect(334, row, 30, 1), probe::red) > 10);
    }

    // A grey disc of radius Xm about the wheel centre at the origin, outlined in black.
    void wheelAtTheOrigin() {
        Experiment e;
        e.inputs.Xm = 0.03; // a wheel large enough to measure
        const probe::Redrawn r(e);
        const Surface& plane = r.panels.plane;
        const QPointF centre = plane.toPixel({0, 0});
        const double radius = 0.03 * plane.pixelsPerUnit().x();
        QCOMPARE(probe::colourAt(plane, {0, 0}), probe::grey);
        QCOMPARE(probe::colourAt(plane, {0.6 * 0.03, 0.6 * 0.03}), probe::grey);
        QCOMPARE(probe::colourAt(plane, {0.03, 0}), probe::black);
        QCOMPARE(probe::colourAt(plane, {0, 0.03}), probe::black);
        const int grey = count(plane, plane.image().rect(), probe::grey);
        const double inner = M_PI * (radius - 1.5) * (radius - 1.5);
        QVERIFY2(std::abs(grey - inner) < 0.1 * inner, qPrintable(QString::number(grey)));
        const QRect around =
            QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius)
                .toAlignedRect();
        QCOMPARE(count(plane, around, probe::grey), grey);
        // The disc is centred on the origin, where the animation's crank starts.
        QVERIFY(QLineF(centroidOf(plane, probe::grey), centre).length() < 1);
    }

    void gridLabels_data() {
        QTest::addColumn<QString>("separator");
        QTest::newRow("decimal comma") << ",";
        QTest::newRow("decimal point") << ".";
    }
    void gridLabels() {
        QFETCH(QString, separator);
        probe::Panels panels;
        Surfaces s = panels.all();
        Experiment e;
        const PlaneFrame f = redrawAll(e, s, panels.layout(), separator.toStdString()).plane;
        const double step = f.gridStep;
        const double labelX = 0.01 * (f.right - f.left);
        for (int i = 2; i <= 8; ++i) {
            const std::string text = formatNumber(i * step, "0.000", separator.toStdString());
            QVERIFY2(
                probe::showsText(panels.plane, {labelX, i * step}, QString::fromStdString(text)),
                text.c_str());
        }
        const QString other = separator == "," ? "." : ",";
        QVERIFY(!probe::showsText(
            panels.plane, {labelX, 3 * step},
            QString::fromStdString(formatNumber(3 * step, "0.000", other.toStdString()))));
        QVERIFY(!probe::showsText(
            panels.plane, {labelX, 3 * step},
            QString::fromStdString(formatNumber(4 * step, "0.000", separator.toStdString()))));
    }

    void axisNames() {
        const probe::Redrawn r(Experiment{});
        const PlaneFrame& f = r.frames.plane;
        const double width = f.right - f.left;
        QVERIFY(probe::showsText(r.panels.plane, {0.05 * width, 0.95 * f.bottom},
                                 QString::fromUtf8("X, м")));
        QVERIFY(probe::showsText(r.panels.plane, {f.right - 0.05 * width, 0.01 * f.bottom},
                                 QString::fromUtf8("Y, м")));
    }

    // The run's trace starts from (0, X0) with the pen 3 pixels wide.
    void traceStartsAtTheInitialCoordinate() {
        const probe::Redrawn r(Experiment{});
        QCOMPARE(r.panels.plane.currentPosition(), QPointF(0, r.e.inputs.X0));
        QCOMPARE(r.panels.plane.drawWidth(), 3);
        QCOMPARE(r.panels.plane.drawStyle(), DrawStyle::Solid);
    }

    // A panel wider than high widens the frame, and the grid cells stay square.
    void wideWindowKeepsSquareCells() {
        probe::Panels panels;
        panels.plane.resize({600, 300});
        Surfaces s = panels.all();
        Experiment e;
        const PlotFrames f = redrawAll(e, s, panels.layout(), ",");
        const QList<int> columns = probe::columnsOf(panels.plane, probe::lightGreen, 150);
        const QList<int> rows = probe::rowsOf(panels.plane, probe::lightGreen, 300);
        QVERIFY(columns.size() >= 10 && rows.size() >= 8);
        QVERIFY(std::abs((columns[2] - columns[1]) - (rows[2] - rows[1])) <= 1);
        QVERIFY(std::abs(f.plane.columns - 20) < 1e-9);
    }

    // A wheel larger than a grid step: the frame reaches above the line one step over the wheel
    // centre, and that line shows on both sides of the wheel.
    void gridLineAboveALargeWheel() {
        Experiment e;
        e.inputs.Xm = 0.1;
        e.derive();
        const probe::Redrawn r(e);
        const double s = r.frames.plane.gridStep;
        QVERIFY(s <= e.inputs.wheelRadius());
        const int row = probe::pixelOf(r.panels.plane, {0, -s}).y();
        QVERIFY(probe::count(r.panels.plane, QRect(0, row, 40, 1), probe::lightGreen) >= 39);
        QVERIFY(probe::count(r.panels.plane, QRect(324, row, 40, 1), probe::lightGreen) >= 39);
    }

    // Without drive the frame starts at the wheel level and the wheel is no more than a dot.
    void noDriveAmplitude() {
        Experiment e;
        e.inputs.Xm = 0;
        const probe::Redrawn r(e);
        QCOMPARE(r.frames.plane.top, 0.0);
        QCOMPARE(r.panels.plane.toPixel({0, 0}).y(), 0.0);
        QVERIFY(count(r.panels.plane, r.panels.plane.image().rect(), probe::grey) <= 4);
        QVERIFY(!probe::rowsOf(r.panels.plane, probe::lightGreen, 182).isEmpty());
    }
};

QTEST_MAIN(YxPlaneTest)
#include "tst_yx_plane.moc"
