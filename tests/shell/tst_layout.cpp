#include "shell/layout.h"

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
    static const QStringList parameterRows{"1", "4", "7", "8",  "2",  "3",
                                           "5", "6", "9", "18", "19", "20"};
    static const QStringList resultRows{"12", "13", "14", "15", "16", "17", "22", "23",
                                        "24", "25", "26", "27", "28", "29", "30"};
    static const QMap<QString, double> overlayWidths{{"12", 10}, {"16", 16}, {"17", 16},
                                                     {"22", 16}, {"23", 16}, {"27", 14},
                                                     {"29", 10}, {"30", 10}};
    const double third = (SH - 20) / 3;
    if (name == "Label10") return onPixels(SW - 328, 4, 160, 26);
    if (name == "Label11") return onPixels(SW - 164, 4, 160, 26);
    if (name == "HScroll1") return onPixels(SW - 328, 398, 76, 13);
    if (name == "Label21") return onPixels(SW - 294, 411, 20, 26);
    if (name == "HScroll2") return onPixels(SW - 244, 398, 76, 13);
    if (name == "Command1") return onPixels(SW - 238, 411, 64, 26);
    if (name == "Frame1") return onPixels(SW - 328, 441, 92.8, 62.4);
    if (name == "CmdOK") return onPixels(SW - 231.2, 441, 64, 26);
    if (name == "Check_p") return onPixels(SW - 231.2, 471, 64, 26);
    if (name == "Picture1" || name == "Picture2") return onPixels(4, 4, SW - 336, SH - 8);
    if (name == "VScroll1") return onPixels(4, 4, 13, third);
    if (name == "Picture3") return onPixels(17, 4, SW - 353, third);
    if (name == "VScroll2") return onPixels(4, (SH + 4) / 3, 13, third);
    if (name == "Picture4") return onPixels(17, (SH + 4) / 3, SW - 353, third);
    if (name == "VScroll3") return onPixels(4, (2 * SH - 4) / 3, 13, third);
    if (name == "Picture6") return onPixels(17, (2 * SH - 4) / 3, SW - 353, third);

    const QString number = name.mid(name.startsWith("Text") ? 4 : 5).section('_', 0, 0);
    const bool overlay = name.endsWith("_2");
    if (name.startsWith("Text"))
        return onPixels(SW - 248, 4 + 30 * (parameterRows.indexOf(number) + 1), 80, 26);
    if (parameterRows.contains(number)) {
        const double top = 4 + 30 * (parameterRows.indexOf(number) + 1);
        return overlay ? onPixels(SW - 328, top - 5, 10, 26) : onPixels(SW - 328, top, 80, 26);
    }
    const double top = 4 + 30 * (resultRows.indexOf(number) + 1);
    if (!overlay) return onPixels(SW - 164, top, 160, 26);
    return onPixels(SW - 162, number == "27" ? top : top - 2, overlayWidths.value(number), 26);
}

const QStringList placedControls{
    "Label10",   "Label1",    "Text1",     "Label4",    "Text4",     "Label7",    "Text7",
    "Label8",    "Text8",     "Label2",    "Text2",     "Label3",    "Text3",     "Label5",
    "Text5",     "Label6",    "Text6",     "Label9",    "Text9",     "Label18",   "Text18",
    "Label19",   "Text19",    "Label20",   "Text20",    "Label3_2",  "Label5_2",  "Label9_2",
    "Label11",   "Label12",   "Label13",   "Label14",   "Label15",   "Label16",   "Label17",
    "Label22",   "Label23",   "Label24",   "Label25",   "Label26",   "Label27",   "Label28",
    "Label29",   "Label30",   "Label12_2", "Label16_2", "Label17_2", "Label22_2", "Label23_2",
    "Label27_2", "Label29_2", "Label30_2", "HScroll1",  "Label21",   "HScroll2",  "Command1",
    "Frame1",    "CmdOK",     "Check_p",   "Picture1",  "Picture2",  "VScroll1",  "Picture3",
    "VScroll2",  "Picture4",  "VScroll3",  "Picture6"};

const QStringList rightHandBlock = [] {
    QStringList names;
    for (const QString& n : placedControls)
        if (!n.startsWith("Picture") && !n.startsWith("VScroll")) names << n;
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
    for (const char* name : {"Option1", "Option2", "Picture5", "Picture8", "Timer1"})
        QVERIFY(layout.rect(name).isNull());
}

void LayoutTest::designedSizeExample() {
    const Layout layout = layoutFor(QSize(700, 504));
    QCOMPARE(layout.rect("Picture1"), QRect(4, 4, 364, 496));
    QCOMPARE(layout.rect("Label1").left(), 372);   // column A
    QCOMPARE(layout.rect("Text1").left(), 452);    // column B
    QCOMPARE(layout.rect("Label12").left(), 536);  // column C
    QCOMPARE(layout.rect("Label12").right(), 695); // ends 4 px from the right edge
    // 347 × 161.33 graphs at 4, 169.33 and 334.67, the last ending at 496.
    QCOMPARE(layout.rect("Picture3"), QRect(17, 4, 347, 161));
    QCOMPARE(layout.rect("Picture4"), QRect(17, 169, 347, 162));
    QCOMPARE(layout.rect("Picture6"), QRect(17, 335, 347, 161));
    QCOMPARE(layout.rect("Picture6").bottom() + 1, 496);
    QCOMPARE(layout.rect("Frame1"), QRect(372, 441, 93, 62));
    QCOMPARE(layout.rect("CmdOK"), QRect(469, 441, 64, 26));
}

void LayoutTest::fractionalEdgesStayFlush() {
    for (const QSize client :
         {QSize(700, 504), QSize(701, 505), QSize(702, 506), QSize(955, 777)}) {
        const Layout l = layoutFor(client);
        const auto gap = [&](const char* first, const char* second, bool vertical) {
            const QRect a = l.rect(first), b = l.rect(second);
            return vertical ? b.top() - (a.bottom() + 1) : b.left() - (a.right() + 1);
        };
        QCOMPARE(gap("Frame1", "CmdOK", false), 4);
        QCOMPARE(gap("CmdOK", "Check_p", true), 4);
        QCOMPARE(gap("Picture3", "Picture4", true), 4);
        QCOMPARE(gap("Picture4", "Picture6", true), 4);
        QCOMPARE(gap("VScroll1", "Picture3", false), 0); // the graph is flush against its bar
        QCOMPARE(l.rect("Picture6").bottom() + 1, client.height() - 8);
        QCOMPARE(l.rect("Picture3").right() + 4, l.rect("Picture1").right());
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
    for (const char* plot : {"Picture1", "Picture2", "Picture3", "Picture4", "Picture6"}) {
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
    QVERIFY(low.rect("Frame1").bottom() >= 300); // cut off at the bottom edge
    QVERIFY(low.rect("Check_p").bottom() >= 300);
    QCOMPARE(low.rect("Picture1").height(), 292); // the plots shrink with the window
}

void LayoutTest::thetaSitsLevelWithItsLabel() {
    const Layout l = layoutFor(QSize(700, 504));
    QCOMPARE(l.rect("Label27_2").top(), l.rect("Label27").top());
    for (const char* row : {"12", "16", "17", "22", "23", "29", "30"}) {
        const std::string label = std::string("Label") + row;
        QCOMPARE(l.rect(label + "_2").top(), l.rect(label).top() - 2);
        QCOMPARE(l.rect(label + "_2").left(), l.rect(label).left() + 2);
    }
    for (const char* row : {"3", "5", "9"}) {
        const std::string label = std::string("Label") + row;
        QCOMPARE(l.rect(label + "_2").top(), l.rect(label).top() - 5);
        QCOMPARE(l.rect(label + "_2").left(), l.rect(label).left());
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
