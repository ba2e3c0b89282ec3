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
    PlotFrames f;
    explicit WideGraphs(const Experiment& experiment) : e(experiment) {
        for (Surface* graph : {&panels.picture3, &panels.picture4, &panels.picture6})
            graph->resize({1000, 161});
        Surfaces s = panels.all();
        redrawAll(e, f, s, panels.layout(), ",");
    }
};

} // namespace

class TimeGraphsTest : public QObject {
    Q_OBJECT

private slots:
    // Time runs across from 0 to T; X(t) spans ±X_max, W(t) runs from 0 up to the energy of
    // the initial state (0.1414 J for the initial values).
    void frames() {
        const probe::Redrawn r(probe::initialState());
        QCOMPARE(r.panels.picture3.toPixel({0, r.e.X_max}), QPointF(0, 0));
        QCOMPARE(r.panels.picture3.toPixel({6, -r.e.X_max}), QPointF(347, 161));
        QCOMPARE(r.panels.picture6.toPixel({6, 0}), QPointF(347, 161));
        QVERIFY(std::abs(r.panels.picture6.toUser({0, 0}).y() - 0.1414) < 0.0005);
        QCOMPARE(r.frames.shag_setki_y_6, float(r.frames.verh_w_t / 10));
    }

    // A light green line at every whole period, none between, on all three graphs.
    void periodLines() {
        const probe::Redrawn r(probe::initialState());
        for (const Surface* graph : {&r.panels.picture3, &r.panels.picture4, &r.panels.picture6}) {
            const QList<int> expected = periodColumns(*graph, r.frames.T_0_graf, 6);
            QCOMPARE(expected.size(), 23);
            QVERIFY(
                probe::sameLines(probe::columnsOf(*graph, probe::lightGreen, 161 / 2), expected));
        }
    }

    void periodLinesBeyondTheComputationTime() {
        Experiment e = probe::initialState();
        e.T = float(0.8 * e.T_0);
        const probe::Redrawn r(e);
        QVERIFY(probe::columnsOf(r.panels.picture3, probe::lightGreen, 161 / 2).isEmpty());
        QCOMPARE(r.frames.n_periodov, double(e.T) / e.T_0);
    }

    // Every second period line is counted under the time axis: " 2То" at 2·T_0, " 4То" at 4·T_0…
    void periodCounts() {
        const WideGraphs g(probe::initialState());
        const double T_0 = g.f.T_0_graf;
        for (int i = 1; i <= 5; ++i) {
            const QPointF x_t(2 * T_0 * i, -0.03 * g.f.vysota_x_t);
            QVERIFY2(probe::showsText(g.panels.picture3, x_t, periodCount(2 * i)),
                     qPrintable(periodCount(2 * i)));
            const QPointF v_t(2 * T_0 * i, -0.03 * g.f.vysota_v_t);
            QVERIFY(probe::showsText(g.panels.picture4, v_t, periodCount(2 * i)));
            const QPointF w_t(2 * T_0 * i, 0.09 * g.f.verh_w_t);
            QVERIFY(probe::showsText(g.panels.picture6, w_t, periodCount(2 * i)));
        }
        QVERIFY(!probe::showsText(g.panels.picture3, {2 * T_0, -0.03 * g.f.vysota_x_t},
                                  periodCount(1)));
    }

    // Value lines at every tenth of the panel height, labelled with three decimals.
    void valueGridOfTheDisplacement() {
        const WideGraphs g(probe::initialState());
        const Surface& x_t = g.panels.picture3;
        const double step = g.f.shag_setki_y_3;
        QList<int> rows;
        for (int i = 5; i >= -4; --i)
            if (i != 0) rows << probe::pixelOf(x_t, {0, i * step}).y();
        QVERIFY(probe::sameLines(probe::rowsOf(x_t, probe::lightGreen, 500), rows));
        for (int i : {-4, -2, 2, 3, 4})
            QVERIFY2(probe::showsText(x_t, {valueLabelX, i * step}, valueLabel(i * step)),
                     qPrintable(valueLabel(i * step)));
        QVERIFY(!probe::showsText(x_t, {valueLabelX, 3 * step}, valueLabel(4 * step)));
    }

    // The energy panel starts at 0 at the bottom; its lines run from 0 up to W_max.
    void valueGridOfTheEnergy() {
        const WideGraphs g(probe::initialState());
        const Surface& w_t = g.panels.picture6;
        const double step = g.f.shag_setki_y_6;
        QList<int> rows;
        for (int i = 10; i >= 1; --i)
            rows << probe::pixelOf(w_t, {0, i * step}).y();
        QVERIFY(probe::sameLines(probe::rowsOf(w_t, probe::lightGreen, 500), rows));
        for (int i : {2, 5, 7})
            QVERIFY(probe::showsText(w_t, {valueLabelX, i * step}, valueLabel(i * step)));
    }

    void axisNames() {
        const WideGraphs g(probe::initialState());
        const auto name = [](const char* text) { return QString::fromUtf8(text); };
        QVERIFY(
            probe::showsText(g.panels.picture3, {nameX, 0.98 * g.f.vysota_x_t}, name("(X-Xg),м")));
        QVERIFY(
            probe::showsText(g.panels.picture4, {nameX, 0.98 * g.f.vysota_v_t}, name("Vx, м/с")));
        QVERIFY(probe::showsText(g.panels.picture6, {nameX, 0.98 * g.f.verh_w_t}, name("W, Дж")));
        QVERIFY(probe::showsText(g.panels.picture3,
                                 {0.98 * computationTime, -0.03 * g.f.vysota_x_t}, name("t,c")));
    }

    // Black axes: the value axis at t = 0 and the time axis at value 0.
    void axesAreBlack() {
        const probe::Redrawn r(probe::initialState());
        const Surface& v_t = r.panels.picture4;
        QVERIFY(probe::rowsOf(v_t, probe::black, 300).contains(80));
        QVERIFY(probe::columnsOf(v_t, probe::black, 150).contains(0));
        QVERIFY(probe::columnsOf(r.panels.picture6, probe::black, 150).contains(0));
        QVERIFY(probe::rowsOf(r.panels.picture6, probe::black, 300).contains(160));
    }

    void tracesStartAtTheInitialState() {
        const probe::Redrawn r(probe::initialState());
        QCOMPARE(r.panels.picture3.currentPosition(), QPointF(0, r.e.X0 - r.e.Xg));
        QCOMPARE(r.panels.picture4.currentPosition(), QPointF(0, r.e.V0x));
        QCOMPARE(r.panels.picture6.currentPosition(), QPointF(0, double(r.frames.W_max)));
        for (const Surface* graph : {&r.panels.picture3, &r.panels.picture4, &r.panels.picture6})
            QCOMPARE(graph->drawWidth(), 3);
    }

    // Zoom 2 halves the displayed range: the grid step at zoom 1 stays, the labels halve.
    void zoomHalvesTheRange() {
        Experiment e = probe::initialState();
        e.masshtab_3 = 2;
        const WideGraphs g(e);
        QCOMPARE(g.f.vysota_x_t, e.X_max / 2);
        QCOMPARE(g.f.shag_setki_y_3, 2 * e.X_max / 10);
        const double line = 3 * g.f.shag_setki_y_3 / 2;
        QVERIFY(probe::showsText(g.panels.picture3, {valueLabelX, line}, valueLabel(line)));
        // The line stays where it was at zoom 1, three tenths of the height above the middle.
        QCOMPARE(probe::pixelOf(g.panels.picture3, {0, line}).y(), int(0.2 * 161));
    }
};

QTEST_MAIN(TimeGraphsTest)
#include "tst_time_graphs.moc"
