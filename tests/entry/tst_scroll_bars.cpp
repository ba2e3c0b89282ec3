// The five scroll bars: the zoom factor table, what each handler stores and redraws, and when
// the handlers run (keys, wheel and a released thumb, never a thumb still being dragged).

#include "fake_form.h"

#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>
#include <QWheelEvent>

using namespace trelvix;

namespace {

// Where the thumb of a scroll bar is drawn.
QRect thumbRect(QScrollBar* bar) {
    QStyleOptionSlider option;
    option.initFrom(bar);
    option.subControls = QStyle::SC_All;
    option.orientation = bar->orientation();
    option.minimum = bar->minimum();
    option.maximum = bar->maximum();
    option.sliderPosition = bar->sliderPosition();
    option.sliderValue = bar->value();
    option.singleStep = bar->singleStep();
    option.pageStep = bar->pageStep();
    return bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider,
                                        bar);
}

} // namespace

class TestScrollBars : public QObject {
    Q_OBJECT

    std::unique_ptr<FakeForm> form;

private slots:
    void init() { form = FakeForm::afterStartUp(); }

    void zoomFactorTable_data() {
        QTest::addColumn<int>("value");
        QTest::addColumn<double>("factor");
        QTest::newRow("-100") << -100 << 0.01;
        QTest::newRow("-20") << -20 << 0.05;
        QTest::newRow("-3") << -3 << 1.0 / 3;
        QTest::newRow("-2") << -2 << 0.5;
        QTest::newRow("-1") << -1 << 1.0;
        QTest::newRow("0") << 0 << 1.0;
        QTest::newRow("1") << 1 << 1.0;
        QTest::newRow("2") << 2 << 2.0;
        QTest::newRow("20") << 20 << 20.0;
        QTest::newRow("100") << 100 << 100.0;
    }

    void zoomFactorTable() {
        QFETCH(int, value);
        QFETCH(double, factor);
        QCOMPARE(zoomFactor(value), factor);
    }

    void designRangesAndPositions_data() {
        QTest::addColumn<QString>("bar");
        QTest::addColumn<int>("minimum");
        QTest::addColumn<int>("maximum");
        QTest::addColumn<int>("position");
        QTest::newRow("slowDownBar") << "slowDownBar" << 1 << 9 << 1;
        QTest::newRow("magnifierZoomBar") << "magnifierZoomBar" << 1 << 10 << 1;
        QTest::newRow("displacementZoomBar") << "displacementZoomBar" << -20 << 20 << 1;
        QTest::newRow("velocityZoomBar") << "velocityZoomBar" << -20 << 20 << 1;
        QTest::newRow("energyZoomBar") << "energyZoomBar" << -100 << 100 << 0;
    }

    void designRangesAndPositions() {
        QFETCH(QString, bar);
        QFETCH(int, minimum);
        QFETCH(int, maximum);
        QFETCH(int, position);
        QScrollBar* b = form->scrollBar(bar);
        QCOMPARE(b->minimum(), minimum);
        QCOMPARE(b->maximum(), maximum);
        QCOMPARE(b->value(), position);
        // Configuring at connection runs no handler: the quantities keep their start values.
        QCOMPARE(form->redraws, 0);
        QCOMPARE(form->view.energyZoom, 1.0F);
    }

    // Keys move every bar by 1 towards where they point; each change runs the handler once.
    void keysStoreAndRedraw_data() {
        QTest::addColumn<QString>("bar");
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<double>("stored");
        QTest::addColumn<int>("redraws");
        const int right = Qt::Key_Right, left = Qt::Key_Left, down = Qt::Key_Down, up = Qt::Key_Up;
        const int pageDown = Qt::Key_PageDown, home = Qt::Key_Home, end = Qt::Key_End;
        QTest::newRow("slow-down right") << "slowDownBar" << QList{right, right} << 3.0 << 0;
        QTest::newRow("slow-down end") << "slowDownBar" << QList{end} << 9.0 << 0;
        QTest::newRow("magnifier right") << "magnifierZoomBar" << QList{right} << 2.0 << 1;
        QTest::newRow("magnifier page")
            << "magnifierZoomBar" << QList{pageDown, pageDown} << 3.0 << 2;
        QTest::newRow("magnifier left at minimum") << "magnifierZoomBar" << QList{left} << 1.0 << 0;
        QTest::newRow("magnifier right, left")
            << "magnifierZoomBar" << QList{right, right, left} << 2.0 << 3;
        QTest::newRow("magnifier down") << "magnifierZoomBar" << QList{down} << 2.0 << 1;
        QTest::newRow("X(t) down") << "displacementZoomBar" << QList{down} << 2.0 << 1;
        QTest::newRow("X(t) up to 0") << "displacementZoomBar" << QList{up} << 1.0 << 1;
        QTest::newRow("X(t) up to -2") << "displacementZoomBar" << QList{up, up, up} << 0.5 << 3;
        QTest::newRow("Vx(t) home") << "velocityZoomBar" << QList{home} << 0.05 << 1;
        QTest::newRow("W(t) home") << "energyZoomBar" << QList{home} << double{0.01F} << 1;
        QTest::newRow("W(t) end") << "energyZoomBar" << QList{end} << 100.0 << 1;
        QTest::newRow("W(t) -1, 0, 1") << "energyZoomBar" << QList{up, down, down} << 1.0 << 3;
    }

    void keysStoreAndRedraw() {
        QFETCH(QString, bar);
        QFETCH(QList<int>, keys);
        QFETCH(double, stored);
        QFETCH(int, redraws);
        QScrollBar* b = form->scrollBar(bar);
        for (int key : keys)
            QTest::keyClick(b, Qt::Key(key));
        const ViewSettings& v = form->view;
        const double values[] = {v.slowDown, v.magnifierZoom, v.displacementZoom, v.velocityZoom,
                                 v.energyZoom};
        const QStringList bars{"slowDownBar", "magnifierZoomBar", "displacementZoomBar",
                               "velocityZoomBar", "energyZoomBar"};
        QCOMPARE(values[bars.indexOf(bar)], stored);
        QCOMPARE(form->redraws, redraws);
    }

    void slowDownCaptionFollowsTheBar() {
        QScrollBar* hscroll1 = form->scrollBar("slowDownBar");
        QTest::keyClick(hscroll1, Qt::Key_Right);
        QCOMPARE(form->shownSlowDown, 2);
        QTest::keyClick(hscroll1, Qt::Key_End);
        QCOMPARE(form->shownSlowDown, 9);
        QCOMPARE(form->view.slowDown, 9.0);
        QCOMPARE(form->redraws, 0);
    }

    // A wheel turned towards the student moves either kind of bar towards its maximum.
    void wheelRunsTheHandler_data() {
        QTest::addColumn<QString>("bar");
        QTest::newRow("magnifier") << "magnifierZoomBar";
        QTest::newRow("Vx(t)") << "velocityZoomBar";
    }

    void wheelRunsTheHandler() {
        QFETCH(QString, bar);
        QScrollBar* b = form->scrollBar(bar);
        const int before = b->value();
        const QPointF inside(5, 5);
        QWheelEvent wheel(inside, b->mapToGlobal(inside), {}, QPoint(0, -120), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(b, &wheel);
        QVERIFY(b->value() > before);
        const double stored =
            bar == "magnifierZoomBar" ? form->view.magnifierZoom : form->view.velocityZoom;
        QCOMPARE(stored, bar == "magnifierZoomBar" ? double(b->value()) : zoomFactor(b->value()));
        QCOMPARE(form->redraws, 1);
    }

    // The thumb follows the mouse, but the quantity and the plots change only on release.
    void draggingChangesNothingUntilRelease_data() {
        QTest::addColumn<QString>("bar");
        QTest::newRow("magnifier") << "magnifierZoomBar";
        QTest::newRow("X(t)") << "displacementZoomBar";
    }

    void draggingChangesNothingUntilRelease() {
        QFETCH(QString, bar);
        QScrollBar* b = form->scrollBar(bar);
        const bool horizontal = b->orientation() == Qt::Horizontal;
        form->resize(400, 400);
        b->setGeometry(horizontal ? QRect(0, 0, 300, 16) : QRect(0, 0, 16, 300));
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        const ViewSettings before = form->view;
        const QPoint grab = thumbRect(b).center();
        const QPoint dragged = grab + (horizontal ? QPoint(120, 0) : QPoint(0, 60));

        QTest::mousePress(b, Qt::LeftButton, {}, grab);
        QTest::mouseMove(b, grab + (dragged - grab) / 2);
        QTest::mouseMove(b, dragged);
        QVERIFY(b->isSliderDown());
        QVERIFY(b->sliderPosition() != b->value());
        QCOMPARE(form->redraws, 0);
        QCOMPARE(form->view.magnifierZoom, before.magnifierZoom);
        QCOMPARE(form->view.displacementZoom, before.displacementZoom);

        QTest::mouseRelease(b, Qt::LeftButton, {}, dragged);
        QCOMPARE(b->value(), b->sliderPosition());
        QCOMPARE(form->redraws, 1);
        const double stored = horizontal ? form->view.magnifierZoom : form->view.displacementZoom;
        QCOMPARE(stored, horizontal ? double(b->value()) : zoomFactor(b->value()));
        QVERIFY(stored != (horizontal ? before.magnifierZoom : before.displacementZoom));
    }
};

QTEST_MAIN(TestScrollBars)
#include "tst_scroll_bars.moc"
