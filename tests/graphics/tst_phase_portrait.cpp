// The background of the phase portrait: its labels read whole at every size and scale factor.

#include "graphics/phase_portrait.h"

#include <QtTest>

Q_DECLARE_METATYPE(trelvix::graphics::PhaseFrame)

using namespace trelvix::graphics;

class PhasePortraitTest : public QObject {
    Q_OBJECT

private slots:
    void labelsStandApartInsideThePanel_data();
    void labelsStandApartInsideThePanel();
};

void PhasePortraitTest::labelsStandApartInsideThePanel_data() {
    QTest::addColumn<QSize>("size");
    QTest::addColumn<double>("ratio");
    QTest::addColumn<PhaseFrame>("frame");
    for (const double ratio : {1.0, 2.0}) {
        const QString at = QStringLiteral(" at %1").arg(ratio);
        QTest::newRow(qPrintable("420 x 420" + at))
            << QSize(420, 420) << ratio << PhaseFrame{0.088, 0.9};
        QTest::newRow(qPrintable("360 x 360" + at))
            << QSize(360, 360) << ratio << PhaseFrame{0.088, 0.9};
        QTest::newRow(qPrintable("200 x 200" + at))
            << QSize(200, 200) << ratio << PhaseFrame{0.088, 0.9};
        QTest::newRow(qPrintable("wide" + at))
            << QSize(900, 250) << ratio << PhaseFrame{12.5, 125.0};
        QTest::newRow(qPrintable("tall" + at))
            << QSize(250, 700) << ratio << PhaseFrame{0.0044, 0.04};
    }
}

// Every label, the negative numbers at the left and bottom ends of the axes included, lies
// wholly inside the panel and shares no pixel with another, and the axis names keep apart from
// the numbers; both axis names are there.
void PhasePortraitTest::labelsStandApartInsideThePanel() {
    QFETCH(QSize, size);
    QFETCH(double, ratio);
    QFETCH(PhaseFrame, frame);
    Surface portrait;
    portrait.resize(size, ratio);
    drawPhaseBackground(frame, portrait, ".");
    // A hundredth of a pixel for the rounding of the way to user units and back.
    const QRectF inside = QRectF(QPointF(0, 0), QSizeF(size)).adjusted(-0.01, -0.01, 0.01, 0.01);
    const auto& labels = portrait.labels();
    QStringList texts;
    for (std::size_t i = 0; i < labels.size(); ++i) {
        texts << labels[i].text;
        QVERIFY2(inside.contains(labels[i].box), qPrintable(labels[i].text));
        // An axis name keeps a few pixels clear around it: a number beside it is not read
        // as a part of it.
        const bool name = labels[i].text.contains(QStringLiteral(", м"));
        const QRectF box = name ? labels[i].box.adjusted(-3, -3, 3, 3) : labels[i].box;
        for (std::size_t j = 0; j < labels.size(); ++j)
            QVERIFY2(i == j || !box.intersects(labels[j].box),
                     qPrintable(labels[i].text + " / " + labels[j].text));
    }
    QVERIFY2(texts.contains(QStringLiteral("X-Xg, м")), qPrintable(texts.join(' ')));
    const auto negative = std::count_if(texts.begin(), texts.end(),
                                        [](const QString& t) { return t.startsWith('-'); });
    QVERIFY2(negative >= 2, qPrintable(texts.join(' ')));
}

QTEST_MAIN(PhasePortraitTest)
#include "tst_phase_portrait.moc"
