// Drawing panels on a high-density screen: the window is laid out in logical pixels, while each
// panel keeps its picture in device pixels, so nothing drawn on it is blurred by scaling.

#include "open_windows.h"
#include "recording_platform.h"
#include "shell/main_window/main_window.h"
#include "shell/widgets/picture_box.h"

#include <QtTest>
#include <QtWidgets>

using namespace trelvix;

class PictureBoxTest : public QObject {
    Q_OBJECT

private slots:
    void panelImageHasDevicePixels();
    void hiddenPanelFollowsItsSizeWhenCleared();
    void windowIsLaidOutInLogicalPixels();
    void cleanup();
};

void PictureBoxTest::panelImageHasDevicePixels() {
    QWidget window;
    auto* panel = new PictureBox(QColor(10, 200, 30), &window);
    panel->setGeometry(5, 5, 120, 80);
    window.resize(200, 100);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(panel->devicePixelRatioF(), 2.0);
    QCOMPARE(panel->image().size(), QSize(240, 160));
    QCOMPARE(panel->image().devicePixelRatio(), 2.0);

    const QImage onScreen = panel->grab().toImage();
    QCOMPARE(onScreen.size(), QSize(240, 160));
    for (const QPoint p : {QPoint(0, 0), QPoint(239, 159), QPoint(120, 80)})
        QCOMPARE(onScreen.pixelColor(p), QColor(10, 200, 30));
}

void PictureBoxTest::hiddenPanelFollowsItsSizeWhenCleared() {
    QWidget window;
    auto* panel = new PictureBox(Qt::white, &window);
    panel->hide();
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    panel->setGeometry(0, 0, 50, 30); // a hidden widget gets no resize event
    panel->clear();
    QCOMPARE(panel->image().size(), QSize(100, 60));
    QCOMPARE(panel->image().pixelColor(99, 59), QColor(Qt::white));
}

void PictureBoxTest::windowIsLaidOutInLogicalPixels() {
    RecordingPlatform platform;
    MainWindow window(platform.platform());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.clientArea()->size(), QSize(700, 504));
    const MainControls& c = window.controls();
    QCOMPARE(c.planePanel->geometry(), QRect(4, 4, 364, 496));
    QCOMPARE(c.planePanel->image().size(), QSize(728, 992));
    QVERIFY(c.displacementPanel->image().isNull()); // hidden: its picture is given up
    c.graphsOption->click();
    QCOMPARE(c.displacementPanel->image().size(),
             QSize(694, 322)); // drawn anew at its size when shown
    QVERIFY(c.planePanel->image().isNull());
    QCOMPARE(c.result(Result::ballDensity)->geometry(), QRect(536, 34, 160, 26));
}

void PictureBoxTest::cleanup() {
    QCOMPARE(visibleTopLevelWindows(), QStringList());
}

int main(int argc, char* argv[]) {
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    PictureBoxTest test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_picture_box.moc"
