// Cutting lines to a panel and thinning grids whose lines would crowd closer than a pixel.

#include "graphics/grid_lines.h"
#include "graphics/line_clip.h"

#include <QtTest>
#include <cmath>
#include <limits>

using namespace trelvix::graphics;

namespace {
constexpr double infinity = std::numeric_limits<double>::infinity();
constexpr double notANumber = std::numeric_limits<double>::quiet_NaN();
} // namespace

class PlotMathTest : public QObject {
    Q_OBJECT

private slots:
    void clipSegment_data() {
        QTest::addColumn<QPointF>("a");
        QTest::addColumn<QPointF>("b");
        QTest::addColumn<bool>("visible");
        QTest::addColumn<QPointF>("from");
        QTest::addColumn<QPointF>("to");
        // The box is 0..100 × 0..50.
        QTest::newRow("inside") << QPointF(10, 10) << QPointF(90, 40) << true << QPointF(10, 10)
                                << QPointF(90, 40);
        QTest::newRow("crossing left edge")
            << QPointF(-50, 20) << QPointF(50, 20) << true << QPointF(0, 20) << QPointF(50, 20);
        QTest::newRow("through the box both ways")
            << QPointF(-100, 25) << QPointF(200, 25) << true << QPointF(0, 25) << QPointF(100, 25);
        QTest::newRow("diagonal from far outside") << QPointF(-1e12, -1e12) << QPointF(1e12, 1e12)
                                                   << true << QPointF(0, 0) << QPointF(50, 50);
        QTest::newRow("huge coordinates") << QPointF(50, -1e300) << QPointF(50, 1e300) << true
                                          << QPointF(50, 0) << QPointF(50, 50);
        QTest::newRow("extreme opposite ends") << QPointF(-1.7e308, 25) << QPointF(1.7e308, 25)
                                               << true << QPointF(0, 25) << QPointF(100, 25);
        QTest::newRow("missing above")
            << QPointF(0, -10) << QPointF(100, -1) << false << QPointF() << QPointF();
        QTest::newRow("missing past a corner")
            << QPointF(90, -20) << QPointF(130, 20) << false << QPointF() << QPointF();
        QTest::newRow("zero length inside")
            << QPointF(5, 5) << QPointF(5, 5) << true << QPointF(5, 5) << QPointF(5, 5);
        QTest::newRow("zero length outside")
            << QPointF(-5, 5) << QPointF(-5, 5) << false << QPointF() << QPointF();
        QTest::newRow("NaN end") << QPointF(5, 5) << QPointF(notANumber, 5) << false << QPointF()
                                 << QPointF();
        QTest::newRow("infinite end")
            << QPointF(5, 5) << QPointF(infinity, 5) << false << QPointF() << QPointF();
    }
    void clipSegment() {
        QFETCH(QPointF, a);
        QFETCH(QPointF, b);
        QFETCH(bool, visible);
        const auto cut = trelvix::graphics::clipSegment(a, b, QRectF(0, 0, 100, 50));
        QCOMPARE(cut.has_value(), visible);
        if (!visible) return;
        QFETCH(QPointF, from);
        QFETCH(QPointF, to);
        QVERIFY2(QLineF(cut->first, from).length() < 1e-6, "start of the visible part");
        QVERIFY2(QLineF(cut->second, to).length() < 1e-6, "end of the visible part");
    }

    void gridRun_data() {
        QTest::addColumn<double>("from");
        QTest::addColumn<double>("to");
        QTest::addColumn<double>("pixelsPerStep");
        QTest::addColumn<QList<double>>("lines");
        QTest::newRow("lines far apart") << -2.0 << 2.0 << 30.0 << QList<double>{-2, -1, 0, 1, 2};
        QTest::newRow("fractional end") << 1.0 << 3.7 << 10.0 << QList<double>{1, 2, 3};
        QTest::newRow("exactly a pixel apart") << 0.0 << 3.0 << 1.0 << QList<double>{0, 1, 2, 3};
        QTest::newRow("a third of a pixel: every third")
            << -7.0 << 7.0 << 1.0 / 3 << QList<double>{-6, -3, 0, 3, 6};
        QTest::newRow("0.6 px apart: every second") << 0.0 << 5.0 << 0.6 << QList<double>{0, 2, 4};
        QTest::newRow("upward axis: negative spacing")
            << -1.0 << 1.0 << -20.0 << QList<double>{-1, 0, 1};
        QTest::newRow("empty range") << 3.0 << 2.0 << 10.0 << QList<double>{};
        QTest::newRow("lines coincide") << 0.0 << 5.0 << 0.0 << QList<double>{};
        QTest::newRow("NaN spacing") << 0.0 << 5.0 << notANumber << QList<double>{};
        QTest::newRow("infinite end") << 1.0 << infinity << 3.0 << QList<double>{};
        QTest::newRow("NaN end") << 1.0 << notANumber << 3.0 << QList<double>{};
    }
    void gridRun() {
        QFETCH(double, from);
        QFETCH(double, to);
        QFETCH(double, pixelsPerStep);
        QFETCH(QList<double>, lines);
        QList<double> drawn;
        forEachGridLine(from, to, pixelsPerStep, [&](double i) { drawn << i; });
        QCOMPARE(drawn, lines);
    }

    // A period grid of 1e30 s with a period of 0.25 s on a 2000 px panel: the lines would be
    // 5e-27 px apart.  Only some thousands are visited, a pixel or more apart, ending near the
    // last line.
    void crowdedGridStaysBounded_data() {
        QTest::addColumn<double>("lineCount");
        QTest::addColumn<double>("panelPixels");
        QTest::newRow("1e9 periods") << 1e9 << 2000.0;
        QTest::newRow("4e30 periods") << 4e30 << 2000.0;
        QTest::newRow("1e300 periods, 1 px panel") << 1e300 << 1.0;
    }
    void crowdedGridStaysBounded() {
        QFETCH(double, lineCount);
        QFETCH(double, panelPixels);
        const GridRun run = trelvix::graphics::gridRun(1, lineCount, panelPixels / lineCount);
        QVERIFY(run.count > 0);
        QVERIFY(run.count <= panelPixels + 2);
        QVERIFY(run.stride * panelPixels / lineCount >= 1 - 1e-9);
        const double last = run.first + double(run.count - 1) * run.stride;
        QVERIFY(last <= lineCount);
        QVERIFY(last >= lineCount - 2 * run.stride);
    }
};

QTEST_GUILESS_MAIN(PlotMathTest)
#include "tst_plot_math.moc"
