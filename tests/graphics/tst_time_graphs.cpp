// The three time graphs after a redraw: period grid and its counts, value grid and labels,
// axes and names, and where each trace starts.

#include "graphics/redraw.h"
#include "graphics/time_graphs.h"
#include "model/number_text.h"
#include "probe.h"

#include <QtTest>
#include <cmath>

using namespace trelvix;
using namespace trelvix::graphics;

namespace {

QString periodCount(int periods) {
    return QString::fromStdString(formatNumber(periods, " 0")) + QString::fromUtf8("То");
}

// Where the labels start, computed as the graphs compute them.
constexpr double computationTime = 6;
constexpr double valueLabelX = 0.01 * computationTime;
constexpr double nameX = 0.1 * computationTime;

QString valueLabel(double y) {
    return QString::fromStdString(formatNumber(y, "#0.000", ","));
}

// The columns of the period lines i·T_0 that lie inside the panel.
QList<int> periodColumns(const Surface& panel, double T_0, double T) {
    QList<int> columns;
    for (int i = 1; i * T_0 < T; ++i)
        columns << probe::pixelOf(panel, {i * T_0, 0}).x();
    return columns;
}

// The three graphs redrawn on panels 1000 px wide, where the period counts do not overlap.
struct WideGraphs {
    Experiment e;
    probe::Panels panels;
    TimeFrames f;
    explicit WideGraphs(const Experiment& experiment) : e(experiment) {
        for (Surface* graph : {&panels.displacement, &panels.velocity, &panels.energy})
            graph->resize({1000, 161});
        Surfaces s = panels.all();
        f = redrawAll(e, s, panels.layout(), ",").time;
    }
};

} // namespace

class TimeGraphsTest : public QObject {
    Q_OBJECT

private slots:
    // Time runs across from 0 to T; X(t) spans ±X_max, W(t) runs from 0 up to the energy of
    // the initial state (0.1414 J for the initial values).
    void frames() {
        const probe::Redrawn r(Experiment{});
        QCOMPARE(r.panels.displacement.toPixel({0, r.e.derived.X_max}), QPointF(0, 0));
        QCOMPARE(r.panels.displacement.toPixel({6, -r.e.derived.X_max}), QPointF(347, 161));
        QCOMPARE(r.panels.energy.toPixel({6, 0}), QPointF(347, 161));
        QVERIFY(std::abs(r.panels.energy.toUser({0, 0}).y() - 0.1414) < 0.0005);
        QCOMPARE(r.frames.time.energyGridStep, float(r.frames.time.energyTop / 10));
    }

    // A light green line at every whole period, none between, on all three graphs.
    void periodLines() {
        const probe::Redrawn r(Experiment{});
        for (const Surface* graph :
             {&r.panels.displacement, &r.panels.velocity, &r.panels.energy}) {
            const QList<int> expected = periodColumns(*graph, r.frames.time.periodOnGrid, 6);
            QCOMPARE(expected.size(), 23);
            QVERIFY(
                probe::sameLines(probe::columnsOf(*graph, probe::lightGreen, 161 / 2), expected));
        }
    }

    void periodLinesBeyondTheComputationTime() {
        Experiment e;
        e.inputs.T = float(0.8 * e.derived.T_0);
        const probe::Redrawn r(e);
        QVERIFY(probe::columnsOf(r.panels.displacement, probe::lightGreen, 161 / 2).isEmpty());
        QCOMPARE(r.frames.time.periods, double(e.inputs.T) / e.derived.T_0);
    }

    // Every second period line is counted under the time axis: " 2То" at 2·T_0, " 4То" at 4·T_0…
    void periodCounts() {
        const WideGraphs g(Experiment{});
        const double T_0 = g.f.periodOnGrid;
        for (int i = 1; i <= 5; ++i) {
            const QPointF x_t(2 * T_0 * i, -0.03 * g.f.displacementHalfHeight);
            QVERIFY2(probe::showsText(g.panels.displacement, x_t, periodCount(2 * i)),
                     qPrintable(periodCount(2 * i)));
            const QPointF v_t(2 * T_0 * i, -0.03 * g.f.velocityHalfHeight);
            QVERIFY(probe::showsText(g.panels.velocity, v_t, periodCount(2 * i)));
            const QPointF w_t(2 * T_0 * i, 0.09 * g.f.energyTop);
            QVERIFY(probe::showsText(g.panels.energy, w_t, periodCount(2 * i)));
        }
        QVERIFY(!probe::showsText(g.panels.displacement,
                                  {2 * T_0, -0.03 * g.f.displacementHalfHeight}, periodCount(1)));
    }

    // Value lines at every tenth of the panel height, labelled with three decimals; on a panel
    // of 161 pixels the lines stand 16 pixels apart, closer than a label is high, so every second
    // line is labelled.
    void valueGridOfTheDisplacement() {
        const WideGraphs g(Experiment{});
        const Surface& x_t = g.panels.displacement;
        const double step = g.f.displacementGridStep;
        QList<int> rows;
        for (int i = 5; i >= -4; --i)
            if (i != 0) rows << probe::pixelOf(x_t, {0, i * step}).y();
        QVERIFY(probe::sameLines(probe::rowsOf(x_t, probe::lightGreen, 500), rows));
        for (int i : {-4, -2, 2, 4})
            QVERIFY2(probe::showsText(x_t, {valueLabelX, i * step}, valueLabel(i * step)),
                     qPrintable(valueLabel(i * step)));
        for (int i : {-3, 3})
            QVERIFY(!probe::showsText(x_t, {valueLabelX, i * step}, valueLabel(i * step)));
        QVERIFY(!probe::showsText(x_t, {valueLabelX, 2 * step}, valueLabel(4 * step)));
    }

    // The energy panel starts at 0 at the bottom; its lines run from 0 up to W_max.
    void valueGridOfTheEnergy() {
        const WideGraphs g(Experiment{});
        const Surface& w_t = g.panels.energy;
        const double step = g.f.energyGridStep;
        QList<int> rows;
        for (int i = 10; i >= 1; --i)
            rows << probe::pixelOf(w_t, {0, i * step}).y();
        QVERIFY(probe::sameLines(probe::rowsOf(w_t, probe::lightGreen, 500), rows));
        for (int i : {2, 4, 6})
            QVERIFY(probe::showsText(w_t, {valueLabelX, i * step}, valueLabel(i * step)));
        QVERIFY(!probe::showsText(w_t, {valueLabelX, 5 * step}, valueLabel(5 * step)));
    }

    void axisNames() {
        const WideGraphs g(Experiment{});
        const auto name = [](const char* text) { return QString::fromUtf8(text); };
        QVERIFY(probe::showsText(g.panels.displacement, {nameX, 0.98 * g.f.displacementHalfHeight},
                                 name("(X-Xg),м")));
        QVERIFY(probe::showsText(g.panels.velocity, {nameX, 0.98 * g.f.velocityHalfHeight},
                                 name("Vx, м/с")));
        QVERIFY(probe::showsText(g.panels.energy, {nameX, 0.98 * g.f.energyTop}, name("W, Дж")));
        QVERIFY(probe::showsText(g.panels.displacement,
                                 {0.98 * computationTime, -0.03 * g.f.displacementHalfHeight},
                                 name("t,c")));
    }

    void axisNamesKeepClearOfTheNumbers_data() {
        QTest::addColumn<double>("ratio");
        QTest::newRow("scale 1") << 1.0;
        QTest::newRow("scale 2") << 2.0;
    }

    // At every width, on a screen of either scale factor, no label touches another and a few
    // pixels stand between an axis name and the numbers beside it: "20То" never runs into
    // "t,c".
    void axisNamesKeepClearOfTheNumbers() {
        QFETCH(double, ratio);
        for (int width = 300; width <= 1000; width += 7) {
            probe::Panels panels;
            for (Surface* graph : {&panels.displacement, &panels.velocity, &panels.energy})
                graph->resize({width, 161}, ratio);
            Surfaces s = panels.all();
            redrawAll(Experiment{}, s, panels.layout(), ",");
            for (const Surface* graph : {&panels.displacement, &panels.velocity, &panels.energy}) {
                const auto& labels = graph->labels();
                for (std::size_t i = 0; i < labels.size(); ++i) {
                    const bool name = labels[i].text == QString::fromUtf8("t,c");
                    const QRectF box = name ? labels[i].box.adjusted(-3, 0, 3, 0) : labels[i].box;
                    for (std::size_t j = 0; j < labels.size(); ++j)
                        QVERIFY2(i == j || !box.intersects(labels[j].box),
                                 qPrintable(QString::number(width) + ": " + labels[i].text + " / " +
                                            labels[j].text));
                }
            }
        }
    }

    // Black axes: the value axis at t = 0 and the time axis at value 0.
    void axesAreBlack() {
        const probe::Redrawn r(Experiment{});
        const Surface& v_t = r.panels.velocity;
        QVERIFY(probe::rowsOf(v_t, probe::black, 300).contains(80));
        QVERIFY(probe::columnsOf(v_t, probe::black, 150).contains(0));
        QVERIFY(probe::columnsOf(r.panels.energy, probe::black, 150).contains(0));
        QVERIFY(probe::rowsOf(r.panels.energy, probe::black, 300).contains(160));
    }

    void tracesStartAtTheInitialState() {
        const probe::Redrawn r(Experiment{});
        QCOMPARE(r.panels.displacement.currentPosition(),
                 QPointF(0, r.e.inputs.X0 - r.e.derived.Xg));
        QCOMPARE(r.panels.velocity.currentPosition(), QPointF(0, r.e.inputs.V0x));
        QCOMPARE(r.panels.energy.currentPosition(), QPointF(0, double(r.frames.time.W_max)));
        for (const Surface* graph : {&r.panels.displacement, &r.panels.velocity, &r.panels.energy})
            QCOMPARE(graph->penWidth(), 3);
    }

    // Zoom 2 halves the displayed range: the grid step at zoom 1 stays, the labels halve.
    void zoomHalvesTheRange() {
        Experiment e;
        e.view.displacementZoom = 2;
        const WideGraphs g(e);
        QCOMPARE(g.f.displacementHalfHeight, e.derived.X_max / 2);
        QCOMPARE(g.f.displacementGridStep, 2 * e.derived.X_max / 10);
        const double line = 4 * g.f.displacementGridStep / 2;
        QVERIFY(probe::showsText(g.panels.displacement, {valueLabelX, line}, valueLabel(line)));
        // The line stays where it was at zoom 1, four tenths of the height above the middle.
        QCOMPARE(probe::pixelOf(g.panels.displacement, {0, line}).y(), int(0.1 * 161));
    }
};

QTEST_MAIN(TimeGraphsTest)
#include "tst_time_graphs.moc"
