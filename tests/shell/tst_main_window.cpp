// The main window as a whole: start-up, the first redraw, the view switch, resizing and the
// keyboard.  The suite runs as on a Russian desktop, whose decimal separator is a comma.

#include "open_windows.h"
#include "recording_platform.h"
#include "shell/main_window/main_window.h"
#include "shell/widgets/circle_shape.h"
#include "shell/widgets/magnifier_window.h"
#include "shell/widgets/picture_box.h"

#include <QtTest>
#include <QtWidgets>

using namespace trelvix;

namespace {

QWidget* findTopLevel(const QString& name) {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == name) return w;
    return nullptr;
}

void showAndActivate(MainWindow& window) {
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
}

// Which of the view-dependent controls are visible, in the order the view switch sets them.
QList<bool> viewVisibility(const MainControls& c) {
    QList<bool> visible;
    for (const QWidget* w : std::initializer_list<const QWidget*>{
             c.planePanel, c.animationPanel, c.displacementPanel, c.velocityPanel, c.energyPanel,
             c.displacementZoomBar, c.velocityZoomBar, c.energyZoomBar})
        visible << w->isVisible();
    return visible;
}

const QList<bool> animationView{true, true, false, false, false, false, false, false};
const QList<bool> graphView{false, false, true, true, true, true, true, true};

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void theWindowItself();
    void startUpFillsTheFieldsAndCaptions();
    void startUpDrawsNothingBeforeTheWindowIsShown();
    void windowAtFivePercentOfTheScreen();
    void menuItemsCarryTheirPictures();
    void firstShowLaysOutTheDesignedClientArea();
    void firstShowGivesTheFocusToStart();
    void viewSwitch();
    void panelsShownAgainHoldTheRun();
    void clickingTheChosenViewAgainReappliesIt();
    void noViewChosenLeavesVisibilityAlone();
    void widerWindowMovesTheRightBlock();
    void shortWindowCutsOffTheBottom();
    void redrawDrawsEveryPanelAtItsNewSize();
    void tabReachesEveryControlInOrder();
    void magnifierOpensBesideTheMainWindow();
    void magnifierStaysSquare();
    void cleanup();
};

void MainWindowTest::theWindowItself() {
    RecordingPlatform platform;
    MainWindow window(platform.platform());
    QCOMPARE(window.objectName(), "mainWindow");
    QCOMPARE(window.windowTitle().toUcs4(),
             QStringLiteral("Вертикальные вынужденные колебания шара на пружине в среде").toUcs4());
    QCOMPARE(window.windowIcon().availableSizes(), QList<QSize>{QSize(32, 32)});
    const QWidget* client = window.clientArea();
    QVERIFY(client->autoFillBackground());
    QCOMPARE(client->palette().color(QPalette::Window), QColor(224, 224, 224));
    QCOMPARE(client->palette().color(QPalette::WindowText), QColor(Qt::black));
    QCOMPARE(QFontInfo(client->font()).family(), "Trelvix Sans");
    // The menu bar keeps the desktop's font.
    QCOMPARE(window.menuBar()->font(), QApplication::font(window.menuBar()));
    QCOMPARE(client->font().pointSizeF(), 24.0);
    QCOMPARE(window.controls().field(Input::m)->parentWidget(), client);
}

void MainWindowTest::startUpFillsTheFieldsAndCaptions() {
    RecordingPlatform platform;
    MainWindow window(platform.platform());
    const MainControls& c = window.controls();
    QVERIFY(window.isReady());

    const QList<std::pair<Input, QString>> fields{
        {Input::m, "0.063850"},    {Input::d, "0.025"},   {Input::c, "0.500"},
        {Input::k, "40.000"},      {Input::L0, "0.150"},  {Input::ro, " 1000"},
        {Input::eta, "1.004e-03"}, {Input::Xm, "0.0050"}, {Input::nu, "4.5000"},
        {Input::X0, "0.25000"},    {Input::V0x, "1.000"}, {Input::T, " 6"}};
    for (const auto& [input, text] : fields)
        QCOMPARE(c.field(input)->text(), text);
    QCOMPARE(c.slowDownLabel->text(), "1");
    QCOMPARE(platform.log(), QStringList()); // no tone and no message while starting

    // The characteristics of the initial experiment, with the desktop's decimal comma, except the
    // equilibrium coordinate, which always shows a point.
    QCOMPARE(c.result(Result::mediumMass)->text(), "mo = 8,181E-03 кг");
    QCOMPARE(c.result(Result::equilibrium)->text(), "Xg = 1.76158e-01 м");
    QCOMPARE(c.result(Result::harmonicFrequency)->text(), "   o = 2,503E+01 рад/c");
    QCOMPARE(c.result(Result::harmonicPeriod)->text(), "To = 2,510E-01 c");
    QCOMPARE(c.result(Result::drivingPeriod)->text(), "Tv = 2,222E-01 c");
    QCOMPARE(c.result(Result::qualityFactor)->text(), "Q = 1,696E+03 ");
    QCOMPARE(c.result(Result::criticalViscosity)->text(), "   _kr = 1,357E+01 Па·с");
    QCOMPARE(window.experiment().inputs.T, 6.0F);
    QCOMPARE(window.experiment().inputs.m, 0.06385);
    QVERIFY(window.experiment().derived.step > 0); // the characteristics were computed
}

void MainWindowTest::startUpDrawsNothingBeforeTheWindowIsShown() {
    RecordingPlatform platform;
    MainWindow window(platform.platform());
    window.resize(900, 700); // size changes before the window is shown are ignored
    QCoreApplication::processEvents();
    QVERIFY(window.controls().planePanel->geometry() != QRect(4, 4, 364, 496));
    QVERIFY(window.placement().placements.empty());
    QVERIFY(!findTopLevel("magnifierWindow")); // the first redraw would have created the magnifier
}

void MainWindowTest::windowAtFivePercentOfTheScreen() {
    RecordingPlatform platform;
    MainWindow window(platform.platform());
    const QRect screen = window.screen()->geometry();
    const QPoint expected(screen.x() + qRound(screen.width() * 0.05),
                          screen.y() + qRound(screen.height() * 0.05));
    QCOMPARE(window.pos(), expected);
    showAndActivate(window);
    QCOMPARE(window.frameGeometry().topLeft(), expected);
}

void MainWindowTest::menuItemsCarryTheirPictures() {
    RecordingPlatform platform;
    MainWindow window(platform.platform());
    const MainMenus& m = window.menus();
    for (QAction* item : {m.mnuFilespravka, m.mnuFilespravka2, m.mnuFileExit, m.mnuHelpInstruction,
                          m.mnuHelpUprav, m.mnuHelpAvtors, m.mnuHelpAbout})
        QVERIFY2(!item->icon().isNull(), qPrintable(item->objectName()));
    for (QMenu* menu : {m.mnuFile, m.mnuHelp})
        for (QAction* item : menu->actions())
            if (item->isSeparator()) QVERIFY(item->icon().isNull());
    QVERIFY(m.mnuResearchResonance->icon().isNull()); // the pictures stay on their own items
    // Each item its own picture: the exit item carries the power symbol.
    const QImage exit = m.mnuFileExit->icon().pixmap(32, 32).toImage();
    const QImage power = QPixmap(QStringLiteral(":/assets/menu-exit.bmp")).toImage();
    QCOMPARE(exit.convertToFormat(QImage::Format_RGB32),
             power.convertToFormat(QImage::Format_RGB32));
}

void MainWindowTest::firstShowLaysOutTheDesignedClientArea() {
    RecordingPlatform platform;
    MainWindow window(platform.platform());
    showAndActivate(window);
    QCOMPARE(window.clientArea()->size(), QSize(700, 504));
    QCOMPARE(window.clientArea()->y(), window.menuBar()->geometry().bottom() + 1);
    const MainControls& c = window.controls();
    QCOMPARE(c.planePanel->geometry(), QRect(4, 4, 364, 496));
    QCOMPARE(c.animationPanel->geometry(), QRect(4, 4, 364, 496));
    QCOMPARE(c.result(Result::ballDensity)->geometry(), QRect(536, 34, 160, 26));
    QCOMPARE(c.letter(Result::logDecrement)->geometry(), QRect(538, 364, 14, 26));
    QCOMPARE(c.field(Input::T)->geometry(), QRect(452, 364, 80, 26));
    QCOMPARE(window.placement().plots.planeAspect, float(364.0 / 496.0));
    QCOMPARE(viewVisibility(c), animationView);

    auto* form3 = qobject_cast<MagnifierWindow*>(findTopLevel("magnifierWindow"));
    QVERIFY(form3); // created hidden by the first redraw
    QVERIFY(form3->isHidden());
    QCOMPARE(window.magnifier(), form3);
}

void MainWindowTest::firstShowGivesTheFocusToStart() {
    RecordingPlatform platform;
    MainWindow window(platform.platform());
    showAndActivate(window);
    QCOMPARE(QApplication::activeWindow(), &window);
    QCOMPARE(QApplication::focusWidget(), window.controls().startButton);
}

void MainWindowTest::viewSwitch() {
    RecordingPlatform platform;
    MainWindow window(platform.platform());
    showAndActivate(window);
    const MainControls& c = window.controls();
    QTest::mouseClick(c.graphsOption, Qt::LeftButton);
    QVERIFY(c.graphsOption->isChecked());
    QCOMPARE(viewVisibility(c), graphView);
    QVERIFY(c.slowDownBar->isVisible() && c.magnifierZoomBar->isVisible());

    window.resize(window.width() + 40, window.height()); // every redraw keeps the chosen view
    QTRY_COMPARE(c.displacementPanel->width(), 387);
    QCOMPARE(viewVisibility(c), graphView);

    QTest::mouseClick(c.animationOption, Qt::LeftButton);
    QCOMPARE(viewVisibility(c), animationView);
    QVERIFY(c.slowDownBar->isVisible() && c.magnifierZoomBar->isVisible());
}

static int differingPixels(const QImage& a, const QImage& b) {
    int count = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            count += a.pixel(x, y) != b.pixel(x, y);
    return count;
}

// A panel out of sight during a run keeps no picture; chosen afterwards, it shows what it would
// have shown had it been in sight all along.
void MainWindowTest::panelsShownAgainHoldTheRun() {
    RecordingPlatform platform;
    MainWindow window(platform.platform());
    showAndActivate(window);
    ViewSettings noPauses = window.viewSettings();
    noPauses.slowDown = 0;
    window.setViewSettings(noPauses, ViewChange::Pace);
    window.document().storeInput(Input::T, 0.3);
    const MainControls& c = window.controls();
    for (auto [otherView, panelView, panel] :
         {std::tuple{c.animationOption, c.graphsOption, c.displacementPanel},
          std::tuple{c.graphsOption, c.animationOption, c.planePanel}}) {
        panelView->click();
        window.startOrStop();
        const QImage inSight = panel->image();
        otherView->click();
        window.startOrStop();
        QVERIFY(panel->image().isNull());
        panelView->click();
        // The same picture, but for a pixel or two where the ball turned: a step drawn alone
        // ends round, the redrawn trace turns with a flat join.
        QCOMPARE(panel->image().size(), inSight.size());
        QVERIFY(differingPixels(panel->image(), inSight) <= 8);
    }
}

void MainWindowTest::clickingTheChosenViewAgainReappliesIt() {
    RecordingPlatform platform;
    MainWindow window(platform.platform());
    showAndActivate(window);
    const MainControls& c = window.controls();
    c.animationPanel->hide();
    c.displacementZoomBar->show();
    QTest::mouseClick(c.animationOption, Qt::LeftButton);
    QCOMPARE(viewVisibility(c), animationView);
}

void MainWindowTest::noViewChosenLeavesVisibilityAlone() {
    RecordingPlatform platform;
    MainWindow window(platform.platform());
    showAndActivate(window);
    const MainControls& c = window.controls();
    for (QRadioButton* option : {c.animationOption, c.graphsOption}) {
        option->setAutoExclusive(false);
        option->setChecked(false);
    }
    c.displacementPanel->show();
    const QList<bool> before = viewVisibility(c);
    window.showChosenView();
    window.redraw();
    QCOMPARE(viewVisibility(c), before);
}

void MainWindowTest::widerWindowMovesTheRightBlock() {
    RecordingPlatform platform;
    MainWindow window(platform.platform());
    showAndActivate(window);
    const MainControls& c = window.controls();
    const QRect start = c.startButton->geometry();
    const int plotWidth = c.planePanel->width();
    window.resize(window.width() + 150, window.height());
    QTRY_COMPARE(window.clientArea()->width(), 850);
    QCOMPARE(c.startButton->geometry(), start.translated(150, 0));
    QCOMPARE(c.result(Result::criticalViscosity)->x(), 686);
    QCOMPARE(c.planePanel->width(), plotWidth + 150);
    QCOMPARE(window.placement().plots.planeAspect, float(514.0 / 496.0));
}

void MainWindowTest::shortWindowCutsOffTheBottom() {
    RecordingPlatform platform;
    MainWindow window(platform.platform());
    showAndActivate(window);
    const MainControls& c = window.controls();
    window.resize(window.width(), window.height() - 204);
    QTRY_COMPARE(window.clientArea()->height(), 300);
    QCOMPARE(c.viewFrame->geometry(), QRect(372, 441, 93, 62)); // below the bottom edge
    QCOMPARE(c.resultsFileBox->y(), 471);
    QCOMPARE(c.planePanel->height(), 292);

    window.resize(100, 100); // the window keeps room for the plots beside the right block
    QTRY_COMPARE(window.clientArea()->size(), QSize(480, 240));
    QVERIFY(c.displacementPanel->width() > 0 && c.displacementPanel->height() > 0);
}

// Whether the image holds at least one pixel of exactly this colour.
static bool holds(const QImage& image, const QColor& colour) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < rgb.height(); ++y)
        for (int x = 0; x < rgb.width(); ++x)
            if (rgb.pixelColor(x, y) == colour) return true;
    return false;
}

void MainWindowTest::redrawDrawsEveryPanelAtItsNewSize() {
    RecordingPlatform platform;
    MainWindow window(platform.platform());
    showAndActivate(window);
    const MainControls& c = window.controls();
    window.resize(window.width() + 10, window.height() + 10);
    QTRY_COMPARE(c.planePanel->width(), 374);
    const QColor gridGreen(128, 255, 128);
    for (PictureBox* panel : {c.planePanel, c.animationPanel, c.displacementPanel, c.velocityPanel,
                              c.energyPanel, window.magnifier()->surface()}) {
        if (panel == c.displacementPanel)
            c.graphsOption->click(); // the time graphs are drawn when shown
        QCOMPARE(panel->image().size(), panel->size() * panel->devicePixelRatioF());
        QVERIFY2(holds(panel->image(), gridGreen), qPrintable(panel->objectName()));
    }
    c.animationOption->click();
    // The animation shows the apparatus: the grey ball and wheel, on the copy of the plane.
    QVERIFY(holds(c.animationPanel->image(), QColor(128, 128, 128)));
}

void MainWindowTest::tabReachesEveryControlInOrder() {
    RecordingPlatform platform;
    MainWindow window(platform.platform());
    showAndActivate(window);
    const MainControls& c = window.controls();
    QTest::mouseClick(c.graphsOption, Qt::LeftButton); // the graph view shows the zoom scroll bars
    c.startButton->setFocus();

    QStringList reached{QApplication::focusWidget()->objectName()};
    for (int i = 0; i < 22; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        reached << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(reached, QStringList({"startButton",      "springLengthField",  "massField",
                                   "diameterField",    "viscosityField",     "amplitudeField",
                                   "slowDownBar",      "mediumDensityField", "dragField",
                                   "stiffnessField",   "frequencyField",     "magnifierButton",
                                   "magnifierZoomBar", "graphsOption",       "displacementZoomBar",
                                   "velocityZoomBar",  "startPositionField", "startVelocityField",
                                   "durationField",    "energyZoomBar",      "resultsFileBox",
                                   "startButton",      "springLengthField"}));
}

void MainWindowTest::magnifierOpensBesideTheMainWindow() {
    RecordingPlatform platform;
    MainWindow window(platform.platform());
    showAndActivate(window);
    window.controls().magnifierButton->click();
    MagnifierWindow* magnifier = window.magnifier();
    QVERIFY(magnifier->isVisible());
    QVERIFY(!magnifier->isModal());
    QTRY_COMPARE(magnifier->frameGeometry().topLeft(),
                 QPoint(window.frameGeometry().right() + 1, window.frameGeometry().top()));
    // Freshly drawn: the marker sits on the ball centre of the magnifier's frame.
    const QRect marker = magnifier->marker()->geometry();
    const QPointF centre =
        magnifier->surface()->surface().toPixel({0, window.experiment().inputs.X0});
    QVERIFY(std::abs(marker.center().x() - centre.x()) <= 1);
    magnifier->close();
}

void MainWindowTest::magnifierStaysSquare() {
    RecordingPlatform platform;
    MainWindow window(platform.platform());
    showAndActivate(window);
    window.controls().magnifierButton->click();
    MagnifierWindow* magnifier = window.magnifier();
    magnifier->resize(320, 200);
    QTRY_COMPARE(magnifier->size(), QSize(200, 200)); // the height decides
    QTRY_COMPARE(magnifier->surface()->image().size(),
                 QSize(200, 200) * magnifier->devicePixelRatioF());
    QVERIFY(holds(magnifier->surface()->image(), QColor(128, 255, 128))); // drawn anew
    magnifier->close();
}

void MainWindowTest::cleanup() {
    QCOMPARE(visibleTopLevelWindows(), QStringList());
}

int main(int argc, char* argv[]) {
    qputenv("LC_ALL", "ru_RU.UTF-8");
    QApplication app(argc, argv);
    MainWindowTest test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_main_window.moc"
