// The drawing surface: its frame, its persistent image, the drawing operations and the
// transparent copy, looked at pixel by pixel.

#include "graphics/surface.h"
#include "probe.h"

#include <QtTest>
#include <cmath>
#include <limits>

using namespace trelvix::graphics;
using probe::count;

namespace {

constexpr double infinity = std::numeric_limits<double>::infinity();
constexpr double notANumber = std::numeric_limits<double>::quiet_NaN();
const QColor red(255, 0, 0);
const QColor green(0, 255, 0);
const QColor blue(0, 0, 255);

// A 100 × 50 surface whose frame is 0..10 across and 0..5 down: ten pixels per unit.
void tenPixelsPerUnit(Surface& s) {
    s.resize({100, 50});
    s.scale(0, 0, 10, 5);
    s.clear();
}

bool allBackground(const Surface& s) {
    return count(s, s.image().rect(), s.background()) == s.image().width() * s.image().height();
}

// Every drawing operation once, across the middle of the frame 0..10 × 0..5.
void drawEverything(Surface& s) {
    s.setPenWidth(3);
    s.line({1, 1}, {9, 4}, red);
    s.lineTo({2, 4}, red);
    s.point({5, 2});
    s.setFillStyle(FillStyle::Solid);
    s.circle({5, 2.5}, 2, red);
    s.setCurrentPosition({1, 1});
    s.print("0,123");
}

} // namespace

class SurfaceTest : public QObject {
    Q_OBJECT

private slots:
    // A label printed again where it stands leaves the picture as it was (antialiased text drawn
    // twice grows darker), and a label that would overlap it is left out.
    void labelsAreDrawnOnceAndKeepApart() {
        Surface s;
        s.resize({200, 100});
        s.clear();
        s.scale(0, 0, 200, 100);
        s.setCurrentPosition({20, 30});
        QVERIFY(s.printLabel(QStringLiteral("0.250")));
        const QImage once = s.image().copy();
        s.setCurrentPosition({20, 30});
        QVERIFY(s.printLabel(QStringLiteral("0.250")));
        QCOMPARE(s.image(), once);
        s.setCurrentPosition({30, 35});
        QVERIFY(!s.printLabel(QStringLiteral("0.300")));
        QCOMPARE(s.image(), once);
        QCOMPARE(s.labels().size(), std::size_t(1));
    }

    // A surface without its picture keeps its frame, draws nothing and reports no change until a
    // painter is lent to it; through that painter it draws exactly what it would have drawn into
    // its own image.
    void drawsThroughALentPainterAsIntoItsImage() {
        Surface kept;
        tenPixelsPerUnit(kept);
        drawEverything(kept);

        Surface lent;
        tenPixelsPerUnit(lent);
        lent.setKeepsPicture(false);
        int changes = 0;
        lent.setChangeHandler([&](const QRect&) { ++changes; });
        drawEverything(lent);
        QVERIFY(lent.image().isNull());
        QCOMPARE(changes, 0);
        QCOMPARE(lent.toPixel({5, 2.5}), QPointF(50, 25));

        QImage picture(kept.image().size(), kept.image().format());
        QPainter painter(&picture);
        {
            const Surface::PaintingThrough through(lent, painter);
            lent.clear();
            drawEverything(lent);
        }
        painter.end();
        QCOMPARE(picture, kept.image());
        QCOMPARE(changes, 0);

        lent.setKeepsPicture(true); // kept again: blank, at its size
        QCOMPARE(lent.image().size(), QSize(100, 50));
        QVERIFY(allBackground(lent));
    }

    void frameMapping_data() {
        QTest::addColumn<QRectF>("frame"); // x1, y1 and the extents to x2, y2
        QTest::addColumn<QPointF>("user");
        QTest::addColumn<QPointF>("pixel");
        // 200 × 100 pixels.
        QTest::newRow("downward, top-left")
            << QRectF(-1, -0.5, 2, 1) << QPointF(-1, -0.5) << QPointF(0, 0);
        QTest::newRow("downward, centre")
            << QRectF(-1, -0.5, 2, 1) << QPointF(0, 0) << QPointF(100, 50);
        QTest::newRow("downward, bottom-right")
            << QRectF(-1, -0.5, 2, 1) << QPointF(1, 0.5) << QPointF(200, 100);
        QTest::newRow("upward: time graph, value at top")
            << QRectF(0, 2, 6, -4) << QPointF(0, 2) << QPointF(0, 0);
        QTest::newRow("upward: time graph, zero in the middle")
            << QRectF(0, 2, 6, -4) << QPointF(3, 0) << QPointF(100, 50);
        QTest::newRow("upward: below the bottom edge")
            << QRectF(0, 2, 6, -4) << QPointF(6, -3) << QPointF(200, 125);
    }
    void frameMapping() {
        QFETCH(QRectF, frame);
        QFETCH(QPointF, user);
        QFETCH(QPointF, pixel);
        Surface s;
        s.resize({200, 100});
        s.scale(frame.left(), frame.top(), frame.right(), frame.bottom());
        QVERIFY(s.hasFrame());
        QVERIFY(QLineF(s.toPixel(user), pixel).length() < 1e-9);
        QVERIFY(QLineF(s.toUser(pixel), user).length() < 1e-9);
    }

    void degenerateFrameDrawsNothing_data() {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QList<double>>("frame"); // x1, y1, x2, y2
        const QList<double> usable{0, 0, 10, 5};
        QTest::newRow("zero-sized surface") << QSize(0, 0) << usable;
        QTest::newRow("no height") << QSize(100, 0) << usable;
        QTest::newRow("x1 = x2") << QSize(100, 50) << QList<double>{3, 0, 3, 5};
        QTest::newRow("y1 = y2") << QSize(100, 50) << QList<double>{0, 2, 10, 2};
        QTest::newRow("NaN edge") << QSize(100, 50) << QList<double>{0, notANumber, 10, 5};
        QTest::newRow("infinite edge") << QSize(100, 50) << QList<double>{0, 0, infinity, 5};
        QTest::newRow("extent beyond double")
            << QSize(100, 50) << QList<double>{-1.5e308, 0, 1.5e308, 5};
        QTest::newRow("extent too small to divide by")
            << QSize(100, 50) << QList<double>{0, 0, 1e-320, 5};
    }
    void degenerateFrameDrawsNothing() {
        QFETCH(QSize, size);
        QFETCH(QList<double>, frame);
        Surface s;
        s.resize(size);
        s.scale(frame[0], frame[1], frame[2], frame[3]);
        s.clear();
        QVERIFY(!s.hasFrame());
        drawEverything(s);
        QVERIFY(allBackground(s));
        QVERIFY(std::isnan(s.toPixel({1, 1}).x()));
    }

    // Lines reaching far outside (a diverging trace, an absurd frame) show their visible part.
    void farLinesShowTheirVisiblePart() {
        Surface s;
        tenPixelsPerUnit(s);
        s.line({5, 2.5}, {5, 1e300}, red);
        QVERIFY(count(s, QRect(50, 25, 1, 25), red) == 25);
        QVERIFY(count(s, QRect(50, 0, 1, 24), red) == 0);
        s.setCurrentPosition({-1e15, 1});
        s.lineTo({1e15, 1}, blue);
        QCOMPARE(count(s, QRect(0, 10, 100, 1), blue), 100);
        QCOMPARE(s.currentPosition(), QPointF(1e15, 1));
        s.lineTo({notANumber, 1}, green);
        QCOMPARE(count(s, s.image().rect(), green), 0);
    }

    void drawingSurvivesResizes() {
        Surface plane, other;
        tenPixelsPerUnit(plane);
        tenPixelsPerUnit(other);
        plane.line({0, 1}, {10, 1}, red);
        other.resize({300, 300});
        other.resize({0, 0});
        QCOMPARE(count(plane, QRect(0, 10, 100, 1), red), 100);
        // Its own resize keeps the picture at the top-left and adds background.
        plane.resize({200, 100});
        QCOMPARE(count(plane, QRect(0, 10, 100, 1), red), 100);
        QCOMPARE(plane.image().pixelColor(150, 80), plane.background());
    }

    void clearRestoresBackgroundAndPosition() {
        Surface s;
        tenPixelsPerUnit(s);
        s.setBackground(QColor(240, 240, 240));
        drawEverything(s);
        s.clear();
        QVERIFY(allBackground(s));
        QCOMPARE(s.image().pixelColor(10, 10), QColor(240, 240, 240));
        QCOMPARE(s.currentPosition(), QPointF(0, 0));
    }

    // On a screen of device pixel ratio 2 the geometry is that of logical pixels, drawn with
    // twice the pixels: a line of width 1 is two device pixels wide and sharp.
    void hiDpiDrawsInLogicalPixels() {
        Surface s;
        s.resize({100, 50}, 2.0);
        s.scale(0, 0, 10, 5);
        s.clear();
        QCOMPARE(s.image().size(), QSize(200, 100));
        QCOMPARE(s.size(), QSize(100, 50));
        s.line({5, 0}, {5, 5}, red);
        const QList<int> columns = probe::columnsOf(s, red, 90);
        QCOMPARE(columns.size(), 2);
        QVERIFY(std::abs(columns.first() - 100) <= 1);
        QCOMPARE(count(s, s.image().rect(), red), count(s, QRect(columns.first(), 0, 2, 100), red));
    }

    void dashedLineHasGaps_data() {
        QTest::addColumn<LineStyle>("style");
        QTest::addColumn<bool>("gaps");
        QTest::newRow("solid") << LineStyle::Solid << false;
        QTest::newRow("dashed") << LineStyle::Dashed << true;
    }
    void dashedLineHasGaps() {
        QFETCH(LineStyle, style);
        QFETCH(bool, gaps);
        Surface s;
        tenPixelsPerUnit(s);
        s.setLineStyle(style);
        s.line({0, 2.5}, {10, 2.5}, red);
        const int painted = count(s, QRect(0, 25, 100, 1), red);
        if (gaps)
            QVERIFY(painted > 40 && painted < 80);
        else
            QCOMPARE(painted, 100);
    }

    // A point is a dot as wide as the pen, in the foreground colour.
    void pointHasThePenWidth_data() {
        QTest::addColumn<int>("width");
        QTest::newRow("1") << 1;
        QTest::newRow("3") << 3;
        QTest::newRow("6") << 6;
    }
    void pointHasThePenWidth() {
        QFETCH(int, width);
        Surface s;
        tenPixelsPerUnit(s);
        s.setForeground(red);
        s.setPenWidth(width);
        s.point({5, 2.5});
        const int dot = count(s, s.image().rect(), red);
        const double disc = M_PI * width * width / 4;
        QVERIFY2(dot >= std::max(1.0, 0.5 * disc) && dot <= 2 * disc + 2,
                 qPrintable(QString::number(dot)));
        QVERIFY(count(s, QRect(50 - width, 25 - width, 2 * width + 1, 2 * width + 1), red) == dot);
        QCOMPARE(s.currentPosition(), QPointF(5, 2.5));
    }

    void circleFillFollowsFillStyle_data() {
        QTest::addColumn<FillStyle>("fill");
        QTest::newRow("solid") << FillStyle::Solid;
        QTest::newRow("transparent") << FillStyle::Transparent;
    }
    void circleFillFollowsFillStyle() {
        QFETCH(FillStyle, fill);
        Surface s;
        tenPixelsPerUnit(s);
        s.setFillColor(blue);
        s.setFillStyle(fill);
        s.circle({5, 2.5}, 2, red); // 20 px radius about (50, 25)
        QCOMPARE(s.image().pixelColor(50, 25), fill == FillStyle::Solid ? blue : s.background());
        QCOMPARE(s.image().pixelColor(70, 25), red);
        QCOMPARE(s.image().pixelColor(50, 5), red);
        QCOMPARE(s.image().pixelColor(75, 25), s.background());
    }

    void printStartsAtTheCurrentPosition() {
        Surface s;
        tenPixelsPerUnit(s);
        s.setForeground(blue);
        s.setCurrentPosition({3, 1});
        s.print("88");
        const QRect text(30, 10, 20, 20);
        QVERIFY(probe::inked(s, text) > 20);
        QCOMPARE(probe::inked(s, s.image().rect()), probe::inked(s, text));
        // The next line starts at the left edge below the text.
        QCOMPARE(s.currentPosition().x(), 0.0);
        QVERIFY(s.currentPosition().y() > 2.2 && s.currentPosition().y() < 3.2);
    }

    void transparentCopyLeavesOutTheKey() {
        Surface source, target;
        tenPixelsPerUnit(source);
        tenPixelsPerUnit(target);
        target.setBackground(QColor(240, 240, 240));
        target.clear();
        source.line({0, 1}, {10, 1}, red);
        QVERIFY(!source.mayContain(green));
        const QRect whole(0, 0, 100, 50);
        target.transparentCopyFrom(source, whole, whole, green);
        QCOMPARE(target.image(), source.image());

        source.line({0, 3}, {10, 3}, green);
        QVERIFY(source.mayContain(green));
        target.clear();
        target.transparentCopyFrom(source, whole, whole, green);
        QCOMPARE(count(target, QRect(0, 10, 100, 1), red), 100);
        QCOMPARE(count(target, QRect(0, 30, 100, 1), QColor(240, 240, 240)), 100);
        QCOMPARE(count(target, target.image().rect(), green), 0);
        QCOMPARE(target.image().pixelColor(5, 40), source.background());

        source.clear();
        QVERIFY(!source.mayContain(green));
    }

    void changeHandlerReportsTheTouchedArea() {
        Surface s;
        tenPixelsPerUnit(s);
        QRect reported;
        s.setChangeHandler([&](const QRect& area) { reported |= area; });
        s.line({2, 1}, {4, 1}, red);
        QVERIFY(reported.contains(QRect(20, 10, 21, 1)));
        QVERIFY(reported.width() < 30 && reported.height() < 8);
        reported = {};
        s.line({2, 1}, {4, 1e300}, red);
        QVERIFY(s.image().rect().contains(reported));
        reported = {};
        s.clear();
        QCOMPARE(reported, s.image().rect());
    }
};

QTEST_MAIN(SurfaceTest)
#include "tst_surface.moc"
