// The plots of the resonance curve: the height of the amplitude axis and labels a student can
// read at every size, with the marks of the driving and the resonance frequency close together.

#include "graphics/resonance_plot.h"
#include "graphics/style.h"

#include <QtTest>
#include <cmath>
#include <numbers>

using namespace trelvix;
using namespace trelvix::graphics;

namespace {

// Light viscous damping and no quadratic drag: the linear peak lies at tens of metres.
DrivenOscillator weaklyDamped() {
    DrivenOscillator s;
    s.omega_0_sq = std::pow(2 * std::numbers::pi * 4, 2);
    s.delta = 0.005;
    s.Xg = 0.2;
    s.Xm = 0.005;
    s.touchLimit = 0.0075;
    return s;
}

// The curve of the linear theory over 3 … 5 Hz, the points above `touching` marked as reaching
// the suspension point.
ResonanceCurve linearCurve(double touching) {
    ResonanceCurve c{{}, weaklyDamped(), 3, 5, 3.5, std::nan("")};
    for (int i = 0; i <= 400; ++i) {
        const double nu = 3 + i * 0.005;
        const double A = linearAmplitude(c.oscillator, nu);
        c.points.push_back({nu, A, linearPhase(c.oscillator, nu), A > touching});
    }
    c.nu_r = 4;
    return c;
}

// The highest amplitude the panel shows.
double topOfAxis(const ResonanceCurve& c) {
    Surface panel;
    panel.resize({500, 300});
    drawResonancePlot(c, ResonanceQuantity::Amplitude, panel, ".");
    return panel.toUser({0, 0}).y();
}

} // namespace

class ResonancePlotTest : public QObject {
    Q_OBJECT

private slots:
    void amplitudeAxisEndsWhereTheBallFirstTouches();
    void labelsStandApart_data();
    void labelsStandApart();
    void legendStaysClearOfTheCurves();
};

// Neither the linear theory nor a computed motion through the suspension point stretches the
// axis: it reaches the amplitude at which the ball first touches, and a curve that stays clear
// is shown whole.
void ResonancePlotTest::amplitudeAxisEndsWhereTheBallFirstTouches() {
    const ResonanceCurve touching = linearCurve(0.2);
    double lowestTouching = INFINITY;
    for (const ResonancePoint& p : touching.points)
        if (p.touches) lowestTouching = std::min(lowestTouching, p.amplitude);
    QVERIFY(peakPoint(touching.points)->amplitude > 10);
    QVERIFY(topOfAxis(touching) >= lowestTouching);
    QVERIFY(topOfAxis(touching) < 1.5 * lowestTouching);

    ResonanceCurve clear = linearCurve(INFINITY);
    for (ResonancePoint& p : clear.points)
        p.amplitude = std::min(p.amplitude, 0.05); // as a strong quadratic drag keeps it
    QVERIFY(topOfAxis(clear) >= 0.05);
    QVERIFY(topOfAxis(clear) < 0.075);
}

void ResonancePlotTest::labelsStandApart_data() {
    QTest::addColumn<QSize>("size");
    QTest::addColumn<double>("ratio");
    QTest::addColumn<double>("nu");
    for (const double ratio : {1.0, 2.0})
        for (const QSize size : {QSize(320, 160), QSize(640, 300), QSize(1200, 500)})
            for (const double nu : {3.99, 4.01, 4.9}) {
                const QString name = QStringLiteral("%1x%2 at %3, ν %4")
                                         .arg(size.width())
                                         .arg(size.height())
                                         .arg(ratio)
                                         .arg(nu);
                QTest::newRow(qPrintable(name)) << size << ratio << nu;
            }
}

// No two labels share a pixel, the axis names lie inside the panel, and both marks keep their
// names, however close the driving frequency comes to the resonance, also while the curve is
// still being computed (half its points).
void ResonancePlotTest::labelsStandApart() {
    QFETCH(QSize, size);
    QFETCH(double, ratio);
    QFETCH(double, nu);
    ResonanceCurve c = linearCurve(0.2);
    c.nu = nu;
    for (const bool half : {false, true}) {
        if (half) c.points.resize(c.points.size() / 2);
        for (const ResonanceQuantity q : {ResonanceQuantity::Amplitude, ResonanceQuantity::Phase}) {
            Surface panel;
            panel.resize(size, ratio);
            drawResonancePlot(c, q, panel, ",");
            const QRectF inside(QPointF(0, 0), QSizeF(size));
            QStringList texts;
            const auto& labels = panel.labels();
            for (std::size_t i = 0; i < labels.size(); ++i) {
                texts << labels[i].text;
                QVERIFY2(inside.contains(labels[i].box), qPrintable(labels[i].text));
                for (std::size_t j = i + 1; j < labels.size(); ++j)
                    QVERIFY2(!labels[i].box.intersects(labels[j].box),
                             qPrintable(labels[i].text + " / " + labels[j].text));
            }
            QVERIFY2(texts.contains(QStringLiteral("ν")) && texts.contains(QStringLiteral("νr")),
                     qPrintable(texts.join(' ')));
        }
    }
}

// A computed curve running straight through the corner of the legend passes behind it: no pixel
// of it lies on the names.
void ResonancePlotTest::legendStaysClearOfTheCurves() {
    ResonanceCurve c = linearCurve(INFINITY);
    for (ResonancePoint& p : c.points)
        p.amplitude = 1;
    Surface panel;
    panel.resize({500, 300});
    drawResonancePlot(c, ResonanceQuantity::Amplitude, panel, ".");
    int names = 0;
    for (const Surface::Label& label : panel.labels()) {
        if (!label.text.contains(QStringLiteral("р"))) continue; // «расчёт», «линейная теория»
        ++names;
        const QRect box = label.box.toRect();
        for (int y = box.top(); y <= box.bottom(); ++y)
            for (int x = box.left(); x <= box.right(); ++x)
                QVERIFY2(QColor(panel.image().pixel(x, y)) != traceColour, qPrintable(label.text));
    }
    QCOMPARE(names, 2);
}

QTEST_MAIN(ResonancePlotTest)
#include "tst_resonance_plot.moc"
