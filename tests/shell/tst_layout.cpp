#include "shell/main_window/layout.h"

#include <QtTest>
#include <cmath>

using namespace trelvix;

namespace {

// The rule the window promises: exact arithmetic, then each edge rounded to the nearest pixel
// (halves upwards), sizes as distances between rounded edges.
QRect onPixels(double left, double top, double width, double height) {
    const auto px = [](double x) { return int(std::floor(x + 0.5)); };
    return QRect(px(left), px(top), px(left + width) - px(left), px(top + height) - px(top));
}

// The resulting table of the layout, written out as closed formulas of the client size.
QRect tableRect(const QString& name, double SW, double SH) {
    static const QStringList parameterRows{
        "mass",      "diameter",  "drag",      "stiffness",     "springLength",  "mediumDensity",
        "viscosity", "amplitude", "frequency", "startPosition", "startVelocity", "duration"};
    static const QStringList resultRows{
        "ballDensity",    "mediumMass",         "equilibrium",      "quadraticDistance",
        "damping",        "harmonicFrequency",  "naturalFrequency", "drivingFrequency",
        "harmonicPeriod", "naturalPeriod",      "drivingPeriod",    "logDecrement",
        "qualityFactor",  "resonanceFrequency", "criticalViscosity"};
    // η of the critical viscosity is 12 wide, so that it meets the "_kr" after its blanks.
    static const QMap<QString, double> overlayWidths{
        {"ballDensity", 10},        {"damping", 16},          {"harmonicFrequency", 16},
        {"naturalFrequency", 16},   {"drivingFrequency", 16}, {"logDecrement", 14},
        {"resonanceFrequency", 10}, {"criticalViscosity", 12}};
    const double third = (SH - 20) / 3;
    if (name == "parametersHeading") return onPixels(SW - 328, 4, 160, 26);
    if (name == "characteristicsHeading") return onPixels(SW - 164, 4, 160, 26);
    if (name == "slowDownBar") return onPixels(SW - 328, 398, 76, 13);
    if (name == "slowDownLabel") return onPixels(SW - 294, 411, 20, 26);
    if (name == "magnifierZoomBar") return onPixels(SW - 244, 398, 76, 13);
    if (name == "magnifierButton") return onPixels(SW - 238, 411, 64, 26);
    if (name == "viewFrame") return onPixels(SW - 328, 441, 92.8, 62.4);
    if (name == "startButton") return onPixels(SW - 231.2, 441, 64, 26);
    if (name == "resultsFileBox") return onPixels(SW - 231.2, 471, 64, 26);
    if (name == "planePanel" || name == "animationPanel") return onPixels(4, 4, SW - 336, SH - 8);
    if (name == "displacementZoomBar") return onPixels(4, 4, 13, third);
    if (name == "displacementPanel") return onPixels(17, 4, SW - 353, third);
    if (name == "velocityZoomBar") return onPixels(4, (SH + 4) / 3, 13, third);
    if (name == "velocityPanel") return onPixels(17, (SH + 4) / 3, SW - 353, third);
    if (name == "energyZoomBar") return onPixels(4, (2 * SH - 4) / 3, 13, third);
    if (name == "energyPanel") return onPixels(17, (2 * SH - 4) / 3, SW - 353, third);

    static const QRegularExpression parts("^(\\w+?)(Caption|Field|Result|Letter)$");
    const QRegularExpressionMatch match = parts.match(name);
    const QString row = match.captured(1), kind = match.captured(2);
    const bool overlay = kind == "Letter";
    if (kind == "Field")
        return onPixels(SW - 248, 4 + 30 * (parameterRows.indexOf(row) + 1), 80, 26);
    if (parameterRows.contains(row)) {
        const double top = 4 + 30 * (parameterRows.indexOf(row) + 1);
        return overlay ? onPixels(SW - 328, top - 5, 10, 26) : onPixels(SW - 328, top, 80, 26);
    }
    const double top = 4 + 30 * (resultRows.indexOf(row) + 1);
    if (!overlay) return onPixels(SW - 164, top, 160, 26);
    return onPixels(SW - 162, row == "logDecrement" ? top : top - 2, overlayWidths.value(row), 26);
}

const QStringList placedControls{"parametersHeading",
                                 "massCaption",
                                 "massField",
                                 "diameterCaption",
                                 "diameterField",
                                 "dragCaption",
                                 "dragField",
                                 "stiffnessCaption",
                                 "stiffnessField",
                                 "springLengthCaption",
                                 "springLengthField",
                                 "mediumDensityCaption",
                                 "mediumDensityField",
                                 "viscosityCaption",
                                 "viscosityField",
                                 "amplitudeCaption",
                                 "amplitudeField",
                                 "frequencyCaption",
                                 "frequencyField",
                                 "startPositionCaption",
                                 "startPositionField",
                                 "startVelocityCaption",
                                 "startVelocityField",
                                 "durationCaption",
                                 "durationField",
                                 "mediumDensityLetter",
                                 "viscosityLetter",
                                 "frequencyLetter",
                                 "characteristicsHeading",
                                 "ballDensityResult",
                                 "mediumMassResult",
                                 "equilibriumResult",
                                 "quadraticDistanceResult",
                                 "dampingResult",
                                 "harmonicFrequencyResult",
                                 "naturalFrequencyResult",
                                 "drivingFrequencyResult",
                                 "harmonicPeriodResult",
                                 "naturalPeriodResult",
                                 "drivingPeriodResult",
                                 "logDecrementResult",
                                 "qualityFactorResult",
                                 "resonanceFrequencyResult",
                                 "criticalViscosityResult",
                                 "ballDensityLetter",
                                 "dampingLetter",
                                 "harmonicFrequencyLetter",
                                 "naturalFrequencyLetter",
                                 "drivingFrequencyLetter",
                                 "logDecrementLetter",
                                 "resonanceFrequencyLetter",
                                 "criticalViscosityLetter",
                                 "slowDownBar",
                                 "slowDownLabel",
                                 "magnifierZoomBar",
                                 "magnifierButton",
                                 "viewFrame",
                                 "startButton",
                                 "resultsFileBox",
                                 "planePanel",
                                 "animationPanel",
                                 "displacementZoomBar",
                                 "displacementPanel",
                                 "velocityZoomBar",
                                 "velocityPanel",
                                 "energyZoomBar",
                                 "energyPanel"};

const QStringList rightHandBlock = [] {
    QStringList names;
    for (const QString& n : placedControls)
        if (!n.endsWith("Panel") && n != "displacementZoomBar" && n != "velocityZoomBar" &&
            n != "energyZoomBar")
            names << n;
    return names;
}();

} // namespace

class LayoutTest : public QObject {
    Q_OBJECT

private slots:
    void everyControlFollowsTheTable_data();
    void everyControlFollowsTheTable();
    void placesExactlyTheLaidOutControls();
    void designedSizeExample();
    void fractionalEdgesStayFlush();
    void widerWindowMovesTheRightBlockAndWidensThePlots_data();
    void widerWindowMovesTheRightBlockAndWidensThePlots();
    void shortWindowMovesNothingUp();
    void thetaSitsLevelWithItsLabel();
    void aspectRatioAndCopyRectangles();
    void tinyClientAreasGiveNoNegativeSizes_data();
    void tinyClientAreasGiveNoNegativeSizes();
};

void LayoutTest::everyControlFollowsTheTable_data() {
    QTest::addColumn<QSize>("client");
    QTest::addColumn<QString>("name");
    for (const QSize client : {QSize(700, 504), QSize(1013, 731), QSize(640, 400)})
        for (const QString& name : placedControls)
            QTest::addRow("%dx%d %s", client.width(), client.height(), qPrintable(name))
                << client << name;
}

void LayoutTest::everyControlFollowsTheTable() {
    QFETCH(QSize, client);
    QFETCH(QString, name);
    const Layout layout = layoutFor(client);
    QCOMPARE(layout.rect(name.toStdString()), tableRect(name, client.width(), client.height()));
}

void LayoutTest::placesExactlyTheLaidOutControls() {
    const Layout layout = layoutFor(QSize(700, 504));
    QStringList placed;
    for (const Placement& p : layout.placements)
        placed << QString::fromLatin1(p.name);
    QCOMPARE(placed.size(), placedControls.size());
    for (const QString& name : placedControls)
        QVERIFY2(placed.count(name) == 1, qPrintable(name));
    // The option buttons keep their place in the frame; the menu picture holders are never shown.
    for (const char* name : {"animationOption", "graphsOption", "pauseTimer"})
        QVERIFY(layout.rect(name).isNull());
}

void LayoutTest::designedSizeExample() {
    const Layout layout = layoutFor(QSize(700, 504));
    QCOMPARE(layout.rect("planePanel"), QRect(4, 4, 364, 496));
    QCOMPARE(layout.rect("massCaption").left(), 372);        // column A
    QCOMPARE(layout.rect("massField").left(), 452);          // column B
    QCOMPARE(layout.rect("ballDensityResult").left(), 536);  // column C
    QCOMPARE(layout.rect("ballDensityResult").right(), 695); // ends 4 px from the right edge
    // 347 × 161.33 graphs at 4, 169.33 and 334.67, the last ending at 496.
    QCOMPARE(layout.rect("displacementPanel"), QRect(17, 4, 347, 161));
    QCOMPARE(layout.rect("velocityPanel"), QRect(17, 169, 347, 162));
    QCOMPARE(layout.rect("energyPanel"), QRect(17, 335, 347, 161));
    QCOMPARE(layout.rect("energyPanel").bottom() + 1, 496);
    QCOMPARE(layout.rect("viewFrame"), QRect(372, 441, 93, 62));
    QCOMPARE(layout.rect("startButton"), QRect(469, 441, 64, 26));
}

void LayoutTest::fractionalEdgesStayFlush() {
    for (const QSize client :
         {QSize(700, 504), QSize(701, 505), QSize(702, 506), QSize(955, 777)}) {
        const Layout l = layoutFor(client);
        const auto gap = [&](const char* first, const char* second, bool vertical) {
            const QRect a = l.rect(first), b = l.rect(second);
            return vertical ? b.top() - (a.bottom() + 1) : b.left() - (a.right() + 1);
        };
        QCOMPARE(gap("viewFrame", "startButton", false), 4);
        QCOMPARE(gap("startButton", "resultsFileBox", true), 4);
        QCOMPARE(gap("displacementPanel", "velocityPanel", true), 4);
        QCOMPARE(gap("velocityPanel", "energyPanel", true), 4);
        QCOMPARE(gap("displacementZoomBar", "displacementPanel", false),
                 0); // the graph is flush against its bar
        QCOMPARE(l.rect("energyPanel").bottom() + 1, client.height() - 8);
        QCOMPARE(l.rect("displacementPanel").right() + 4, l.rect("planePanel").right());
    }
}

void LayoutTest::widerWindowMovesTheRightBlockAndWidensThePlots_data() {
    QTest::addColumn<int>("extra");
    QTest::newRow("1 px") << 1;
    QTest::newRow("37 px") << 37;
    QTest::newRow("500 px") << 500;
}

void LayoutTest::widerWindowMovesTheRightBlockAndWidensThePlots() {
    QFETCH(int, extra);
    const Layout narrow = layoutFor(QSize(700, 504));
    const Layout wide = layoutFor(QSize(700 + extra, 504));
    for (const QString& name : rightHandBlock) {
        const std::string n = name.toStdString();
        QCOMPARE(wide.rect(n), narrow.rect(n).translated(extra, 0));
    }
    for (const char* plot :
         {"planePanel", "animationPanel", "displacementPanel", "velocityPanel", "energyPanel"}) {
        QCOMPARE(wide.rect(plot).topLeft(), narrow.rect(plot).topLeft());
        QCOMPARE(wide.rect(plot).width(), narrow.rect(plot).width() + extra);
        QCOMPARE(wide.rect(plot).height(), narrow.rect(plot).height());
    }
}

void LayoutTest::shortWindowMovesNothingUp() {
    const Layout tall = layoutFor(QSize(700, 504));
    const Layout low = layoutFor(QSize(700, 300));
    for (const QString& name : rightHandBlock) {
        const std::string n = name.toStdString();
        QCOMPARE(low.rect(n), tall.rect(n));
    }
    QVERIFY(low.rect("viewFrame").bottom() >= 300); // cut off at the bottom edge
    QVERIFY(low.rect("resultsFileBox").bottom() >= 300);
    QCOMPARE(low.rect("planePanel").height(), 292); // the plots shrink with the window
}

void LayoutTest::thetaSitsLevelWithItsLabel() {
    const Layout l = layoutFor(QSize(700, 504));
    QCOMPARE(l.rect("logDecrementLetter").top(), l.rect("logDecrementResult").top());
    for (const char* row : {"ballDensity", "damping", "harmonicFrequency", "naturalFrequency",
                            "drivingFrequency", "resonanceFrequency", "criticalViscosity"}) {
        const QRect letter = l.rect(std::string(row) + "Letter");
        const QRect partner = l.rect(std::string(row) + "Result");
        QCOMPARE(letter.top(), partner.top() - 2);
        QCOMPARE(letter.left(), partner.left() + 2);
    }
    for (const char* row : {"mediumDensity", "viscosity", "frequency"}) {
        const QRect letter = l.rect(std::string(row) + "Letter");
        const QRect partner = l.rect(std::string(row) + "Caption");
        QCOMPARE(letter.top(), partner.top() - 5);
        QCOMPARE(letter.left(), partner.left());
    }
}

void LayoutTest::aspectRatioAndCopyRectangles() {
    const Layout l = layoutFor(QSize(1000, 604));
    QCOMPARE(l.plots.planeAspect, float(664.0 / 596.0));
    QCOMPARE(l.plots.sourceRect(), QRect(0, 0, 664, 596));
    QCOMPARE(l.plots.targetRect(), QRect(0, 0, 664, 596));
    QCOMPARE(l.plots.targetHeight, 596.0F);
}

void LayoutTest::tinyClientAreasGiveNoNegativeSizes_data() {
    QTest::addColumn<QSize>("client");
    QTest::newRow("minimised") << QSize(0, 0);
    QTest::newRow("narrower than the right block") << QSize(200, 504);
    QTest::newRow("no room for the graph bands") << QSize(700, 12);
}

void LayoutTest::tinyClientAreasGiveNoNegativeSizes() {
    QFETCH(QSize, client);
    const Layout l = layoutFor(client);
    for (const Placement& p : l.placements) {
        QVERIFY2(p.rect.width() >= 0 && p.rect.height() >= 0, p.name);
    }
    // A panel without height has no shape: the plots then skip their drawing.
    QVERIFY(l.plots.planeAspect >= 0 || std::isnan(l.plots.planeAspect));
}

QTEST_GUILESS_MAIN(LayoutTest)
#include "tst_layout.moc"
