// Every window of the program opens where the student can reach it: inside the part of the
// screen that windows may use, beside the main window where there is room, and no larger than
// that part of the screen at its smallest.

#include "recording_platform.h"
#include "shell/help/authors_window.h"
#include "shell/main_window/main_window.h"
#include "shell/main_window/menus.h"
#include "shell/research/measurements_window.h"
#include "shell/research/phase_portrait_window.h"
#include "shell/resonance/resonance_window.h"
#include "shell/widgets/magnifier_window.h"
#include "shell/widgets/window_placement.h"

#include <QAction>
#include <QLineEdit>
#include <QMenuBar>
#include <QProgressBar>
#include <QScreen>
#include <QtTest>

using namespace trelvix;

Q_DECLARE_METATYPE(trelvix::WindowPlacement)

class WindowPlacementTest : public QObject {
    Q_OBJECT

private slots:
    void placeWindow_data();
    void placeWindow();
    void sideWindowsOpenOnTheScreen();
    void resonanceWindowFitsTheScreenAtItsSmallestSize();
};

void WindowPlacementTest::placeWindow_data() {
    QTest::addColumn<QRect>("available");
    QTest::addColumn<QRect>("main");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<WindowPlacement>("placement");
    QTest::addColumn<QRect>("expected");
    const QRect screen(0, 0, 1280, 1024);
    const QRect panelled(0, 30, 800, 570); // a desktop panel takes the top 30 pixels
    const WindowPlacement beside = WindowPlacement::Beside;
    QTest::newRow("room on the right") << screen << QRect(40, 50, 700, 560) << QSize(300, 300)
                                       << beside << QRect(740, 50, 300, 300);
    QTest::newRow("just fits on the right")
        << screen << QRect(0, 0, 980, 560) << QSize(300, 300) << beside << QRect(980, 0, 300, 300);
    QTest::newRow("room on the left only") << screen << QRect(600, 50, 600, 560) << QSize(400, 300)
                                           << beside << QRect(200, 50, 400, 300);
    QTest::newRow("no room: over the main window's right edge")
        << panelled << QRect(40, 30, 740, 560) << QSize(300, 300) << beside
        << QRect(500, 30, 300, 300);
    QTest::newRow("too tall below the main window's top: moved up")
        << panelled << QRect(40, 400, 300, 200) << QSize(250, 400) << beside
        << QRect(340, 200, 250, 400);
    QTest::newRow("larger than the screen: cut down to it")
        << panelled << QRect(40, 30, 740, 560) << QSize(900, 700) << beside
        << QRect(0, 30, 800, 570);
    QTest::newRow("centred") << screen << QRect(100, 100, 600, 400) << QSize(200, 100)
                             << WindowPlacement::Centred << QRect(300, 250, 200, 100);
    QTest::newRow("centred, kept below the panel")
        << panelled << QRect(0, 0, 200, 40) << QSize(222, 297) << WindowPlacement::Centred
        << QRect(0, 30, 222, 297);
}

void WindowPlacementTest::placeWindow() {
    QFETCH(QRect, available);
    QFETCH(QRect, main);
    QFETCH(QSize, size);
    QFETCH(WindowPlacement, placement);
    QFETCH(QRect, expected);
    QCOMPARE(trelvix::placeWindow(available, main, size, placement), expected);
}

// On the small screen of the tests, beside a main window as wide as the screen, every side
// window opens wholly inside the usable area.
void WindowPlacementTest::sideWindowsOpenOnTheScreen() {
    RecordingPlatform platform;
    MainWindow window(platform.platform());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QRect available = window.screen()->availableGeometry();
    QVERIFY(available.contains(window.frameGeometry()));
    window.resize(available.width(), window.height());
    window.openMagnifier();
    window.openResonanceCurve();
    window.runMenu().mnuMeasurements->trigger();
    window.runMenu().mnuPhasePortrait->trigger();
    window.menus().mnuHelpAvtors->trigger();
    const QWidget* opened[] = {window.magnifier(), window.resonanceWindow(),
                               window.measurementsWindow(), window.phasePortraitWindow(),
                               window.authorsWindow()};
    for (const QWidget* side : opened) {
        QVERIFY(side && side->isVisible());
        QVERIFY2(available.contains(side->frameGeometry()),
                 qPrintable(side->objectName() + QDebug::toString(side->frameGeometry())));
    }
}

// The resonance window keeps the size its controls need, a size that fits the small screen of
// the tests; its fields and its progress bar have names for a screen reader.
void WindowPlacementTest::resonanceWindowFitsTheScreenAtItsSmallestSize() {
    RecordingPlatform platform;
    MainWindow window(platform.platform());
    window.openResonanceCurve();
    ResonanceWindow* resonance = window.resonanceWindow();
    QVERIFY(QTest::qWaitForWindowExposed(resonance));
    resonance->resize(300, 200);
    QCOMPARE(resonance->size(), resonance->minimumSizeHint());
    const QSize room = resonance->screen()->availableGeometry().size(); // 800 wide
    QVERIFY(resonance->width() <= room.width() && resonance->height() <= room.height());
    for (const QWidget* control : resonance->findChildren<QWidget*>())
        if (qobject_cast<const QLineEdit*>(control) || qobject_cast<const QProgressBar*>(control))
            QVERIFY2(!control->accessibleName().isEmpty(), qPrintable(control->objectName()));
}

QTEST_MAIN(WindowPlacementTest)
#include "tst_window_placement.moc"
