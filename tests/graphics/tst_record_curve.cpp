// Long records drawn per pixel column: the reduced curve against the curve through every sample,
// on records that are hard to reduce.

#include "graphics/column_reduction.h"
#include "graphics/record_curve.h"
#include "model/inputs.h"

#include <QtTest>
#include <cmath>
#include <functional>
#include <numbers>

using namespace trelvix;
using namespace trelvix::graphics;

namespace {

const QColor red(255, 0, 0);
constexpr int panelWidth = 200;

// The coordinate at sample i of n.
using Shape = std::function<double(long long i, long long n)>;

// Samples from t = `from` (the left edge of the panel is 0) up to before t = `to`.
RunRecord recordOf(long long samples, const Shape& X, std::size_t capacity, double from,
                   double to) {
    RunRecord record(initialInputs(), deriveCharacteristics(initialInputs()), capacity);
    for (long long i = 0; i < samples; ++i) {
        RunState s;
        s.t = from + (to - from) * double(i) / double(samples);
        s.X = X(i, samples);
        s.Vx = 0.5 * X(i + 1, samples);
        record.append(s);
    }
    return record;
}

// A panel 200 × 120 showing t from 0 to 1 across and values from −1 to 1 upward.
struct Panel {
    Surface surface;
    explicit Panel(int penWidth) {
        surface.resize({panelWidth, 120});
        surface.scale(0, 1, 1, -1);
        surface.clear();
        surface.setPenWidth(penWidth);
    }
};

bool inked(const QImage& image, int x, int y) {
    return image.rect().contains(x, y) && image.pixel(x, y) != qRgb(255, 255, 255);
}

bool inkNear(const QImage& image, int x, int y) {
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            if (inked(image, x + dx, y + dy)) return true;
    return false;
}

// How two pictures of a curve differ: in how many pixels, against how many the first has inked,
// and whether every pixel inked in one and not the other has ink of the other next to it (an
// edge that moved by a pixel, not a part of the curve missing or added).
struct Difference {
    int pixels = 0;
    int inkedInFirst = 0;
    bool onlyEdgesMoved = true;
};

Difference differenceOf(const QImage& a, const QImage& b) {
    Difference d;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            d.inkedInFirst += inked(a, x, y);
            if (inked(a, x, y) == inked(b, x, y)) continue;
            ++d.pixels;
            if (!inkNear(inked(a, x, y) ? b : a, x, y)) d.onlyEdgesMoved = false;
        }
    return d;
}

} // namespace

class RecordCurveTest : public QObject {
    Q_OBJECT

private slots:
    void keepsAtMostFourPointsPerColumn();
    void matchesTheCurveThroughEverySample_data();
    void matchesTheCurveThroughEverySample();
};

// A column of many points keeps its first, lowest, highest and last in their order; a column of
// a few keeps them all.
void RecordCurveTest::keepsAtMostFourPointsPerColumn() {
    Panel panel(1);
    std::vector<QPointF> reduced;
    ColumnReduction reduction(panel.surface, reduced);
    const double column = 1.0 / panelWidth; // t across one pixel column
    const std::vector<QPointF> many{{0.1 * column, 0.2}, {0.2 * column, -0.5}, {0.3 * column, 0.1},
                                    {0.4 * column, 0.9}, {0.5 * column, 0.0},  {0.6 * column, 0.3}};
    const std::vector<QPointF> few{{1.1 * column, 0.3}, {1.5 * column, 0.4}, {1.9 * column, 0.2}};
    for (const std::vector<QPointF>* points : {&many, &few})
        for (QPointF p : *points)
            reduction.add(p);
    reduction.finish();
    const std::vector<QPointF> expected{many[0], many[1], many[3], many[5], few[0], few[1], few[2]};
    QCOMPARE(reduced, expected);
}

void RecordCurveTest::matchesTheCurveThroughEverySample_data() {
    QTest::addColumn<Shape>("X");
    QTest::addColumn<long long>("samples");
    QTest::addColumn<std::size_t>("capacity");
    QTest::addColumn<int>("penWidth");
    QTest::addColumn<double>("from");
    QTest::addColumn<double>("to");
    const Shape step = [](long long i, long long n) { return i < n / 3 ? -0.6 : 0.7; };
    const Shape fast = [](long long i, long long) { return 0.9 * std::sin(2.1 * double(i)); };
    const Shape spike = [](long long i, long long n) { return i == n / 2 + 7 ? 0.95 : -0.2; };
    const Shape ramp = [](long long i, long long n) { return double(i) / double(n) - 0.5; };
    const std::size_t whole = RunRecord::defaultCapacity;
    QTest::newRow("step") << step << 20000LL << whole << 1 << 0.0 << 1.0;
    QTest::newRow("step, wide pen") << step << 20000LL << whole << 2 << 0.0 << 1.0;
    QTest::newRow("fast oscillation") << fast << 20000LL << whole << 1 << 0.0 << 1.0;
    QTest::newRow("fast oscillation, wide pen") << fast << 20000LL << whole << 2 << 0.0 << 1.0;
    QTest::newRow("single spike") << spike << 20000LL << whole << 2 << 0.0 << 1.0;
    QTest::newRow("thinned record") << fast << 50000LL << std::size_t(4096) << 1 << 0.0 << 1.0;
    QTest::newRow("one sample") << ramp << 1LL << whole << 2 << 0.0 << 1.0;
    QTest::newRow("two samples") << ramp << 2LL << whole << 2 << 0.0 << 1.0;
    QTest::newRow("sparse samples") << ramp << 150LL << whole << 1 << 0.0 << 1.0;
    QTest::newRow("beyond both sides") << fast << 90000LL << whole << 1 << -2.0 << 4.0;
    QTest::newRow("sparse, beyond both sides") << fast << 31LL << whole << 2 << -1.0 << 2.0;
}

// The curve through every sample, the reduced one and the reduced graph read from the record's
// blocks give the same picture, as a graph of time and squeezed into one column.  Only edges may
// move, by a pixel: inside a column the full line wanders across the column's width between its
// samples, the reduced one only between the four it keeps, so the edge of a steep stretch may lie
// a pixel to either side.  Such pixels stay under a quarter of the curve's (a step drawn 2 pixels
// wide, the worst here, differs in a fifth); a lost spike or a shifted curve differs in far more.
void RecordCurveTest::matchesTheCurveThroughEverySample() {
    QFETCH(Shape, X);
    QFETCH(long long, samples);
    QFETCH(std::size_t, capacity);
    QFETCH(int, penWidth);
    QFETCH(double, from);
    QFETCH(double, to);
    const RunRecord record = recordOf(samples, X, capacity, from, to);
    const auto ofTime = [](const RunSample& s) { return QPointF(s.t, s.X); };
    const auto inOneColumn = [](const RunSample& s) { return QPointF(0.5, s.X); };
    const auto compare = [&](auto point) {
        Panel full(penWidth), curve(penWidth), graph(penWidth);
        std::vector<QPointF> all;
        for (const RunSample& s : record.samples())
            all.push_back(point(s));
        for (Panel* p : {&full, &curve, &graph})
            p->surface.setCurrentPosition(all.front());
        full.surface.polylineTo(all, red);
        drawRecordCurve(curve.surface, record, red, point);
        drawRecordGraph(graph.surface, record, SampleQuantity::X, red, point);
        for (const Panel* reduced : {&curve, &graph}) {
            const Difference d = differenceOf(full.surface.image(), reduced->surface.image());
            QVERIFY(d.onlyEdgesMoved);
            QVERIFY(d.pixels * 4 <= d.inkedInFirst);
        }
        QCOMPARE(graph.surface.currentPosition(), all.back());
    };
    compare(ofTime);
    compare(inOneColumn);
}

QTEST_MAIN(RecordCurveTest)
#include "tst_record_curve.moc"
