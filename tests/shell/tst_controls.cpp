// The inventory of the three windows: every control with its caption, tooltip, font, colours,
// initial state and keyboard order, as created (before start-up writes anything into them).

#include "entry/input_table.h"
#include "open_windows.h"
#include "recording_platform.h"
#include "shell/assets.h"
#include "shell/authors_window.h"
#include "shell/circle_shape.h"
#include "shell/control_inventory.h"
#include "shell/magnifier_window.h"
#include "shell/main_controls.h"
#include "shell/main_window.h"
#include "shell/menus.h"
#include "shell/picture_box.h"
#include "shell/run_controller.h"

#include <QAccessible>
#include <QtTest>
#include <QtWidgets>

using namespace trelvix;

namespace {

QString captionOf(const QWidget* w) {
    if (auto* label = qobject_cast<const QLabel*>(w)) return label->text();
    if (auto* button = qobject_cast<const QAbstractButton*>(w)) return button->text();
    if (auto* box = qobject_cast<const QGroupBox*>(w)) return box->title();
    if (auto* field = qobject_cast<const QLineEdit*>(w)) return field->text();
    return {};
}

QString accessibleText(QWidget* w, QAccessible::Text kind) {
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
    return a ? a->text(kind) : QString();
}

// The controls of the main window, created on a bare client area.
struct Built {
    QWidget area;
    MainControls c;
    Built() : c(buildMainControls(&area)) {}
    QWidget* find(const QString& name) const { return area.findChild<QWidget*>(name); }
};

// The control called `name` is `expected`, is shown with the window and has a name a screen
// reader can read out.
void verifyNamedControl(const Built& built, const char* name, QWidget* expected) {
    QWidget* w = built.find(QString::fromLatin1(name));
    QVERIFY2(w, name);
    QVERIFY2(w == expected, name);
    QVERIFY2(w->isVisibleTo(&built.area), name);
    QVERIFY2(!accessibleText(w, QAccessible::Name).trimmed().isEmpty(), name);
}

const QColor grey(224, 224, 224);
const QColor yellow(255, 255, 192);
const QColor cyan(192, 255, 255);

} // namespace

class ControlsTest : public QObject {
    Q_OBJECT

private slots:
    void captionsTooltipsFonts_data();
    void captionsTooltipsFonts();
    void tablesNameTheControlsOfTheWindow();
    void colours_data();
    void colours();
    void greekOverlaysAreTransparentTextFontsAboveTheirPartners();
    void keyboardOrderFollowsTheTabIndexes();
    void scrollBars_data();
    void scrollBars();
    void initialStates();
    void accessibleNamesAndDescriptions_data();
    void accessibleNamesAndDescriptions();
    void menuBar();
    void menuPictureHolders_data();
    void menuPictureHolders();
    void authorsWindow();
    void magnifierWindow();
    void cleanup();
};

void ControlsTest::captionsTooltipsFonts_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption"); // null: the control has no caption
    QTest::addColumn<QString>("tooltip");
    QTest::addColumn<QString>("family"); // empty: the control writes no text
    QTest::addColumn<double>("points");
    QTest::addColumn<bool>("bold");

    const auto row = [](const char* name, const char* caption, const char* tip, double points,
                        bool bold = false) {
        QTest::newRow(name) << QString::fromLatin1(name)
                            << (caption ? QString::fromUtf8(caption) : QString())
                            << QString::fromUtf8(tip) << QStringLiteral("Trelvix Serif") << points
                            << bold;
    };
    row("Label10", "Параметры задачи", "Параметры задачи", 12, true);
    row("Label11", "Характеристики", "Характеристики движения", 11.25, true);

    row("Label1", "m (кг) =", "масса шара", 12);
    row("Label4", "d (м) =", "диаметр шара", 12);
    row("Label7", "с = ", "коэффициент лобового сопротивления для шара", 12);
    row("Label8", "k (Н/м) =", "коэффициент жёсткости пружины", 12);
    row("Label2", "Lo (м) =", "длина нерастянутой пружины", 12);
    row("Label3", "  o (кг/м3) =", "плотность среды", 12);
    row("Label5", "    (Па·с) = ", "коэффициент динамической вязкости среды", 12);
    row("Label6", "Хm (м) =", "амплитуда вынуждающей силы", 12);
    row("Label9", "   (Гц) =", "частота вынуждающей силы", 12);
    row("Label18", "Хo (м) =", "начальная координата центра шара", 12);
    row("Label19", "Voх (м/с)=", "начальная скорость", 12);
    row("Label20", "Т (с) =", "время расчета", 12);

    row("Label3_2", "ρ", "", 14.25);
    row("Label5_2", "η", "", 14.25);
    row("Label9_2", "ν", "", 14.25);

    row("Label12", "Label12", "плотность материала шара", 12);
    row("Label13", "Label13", "масса среды в объёме шара", 12);
    row("Label14", "Label14", "координата положения равновесия", 12);
    row("Label15", "Label15", "Характерное расстояние для квадратичной силы сопротивления среды",
        12);
    row("Label16", "Label16", "декремент затухания", 12);
    row("Label17", "Label17", "циклическая частота гармонических колебаний", 12);
    row("Label22", "Label22", "циклическая частота собственных колебаний", 12);
    row("Label23", "Label23", "циклическая частота вынуждающей силы", 12);
    row("Label24", "Label24", "Период гармонических колебаний", 12);
    row("Label25", "Label25", "Период собственных колебаний", 12);
    row("Label26", "Label26", "Период вынуждающей силы", 12);
    row("Label27", "Label27", "Логарифмический декремент затухания", 12);
    row("Label28", "Label28", "добротность", 12);
    row("Label29", "Label29", "резонансная частота (при с=0)", 12);
    row("Label30", "Label30", "вязкость критического режима (при с=0)", 12);

    row("Label12_2", "ρ", "", 14.25);
    row("Label16_2", "δ", "", 14.25);
    row("Label17_2", "ω", "", 14.25);
    row("Label22_2", "ω", "", 14.25);
    row("Label23_2", "ω", "", 14.25);
    row("Label27_2", "Θ", "", 14.25);
    row("Label29_2", "ν", "", 14.25);
    row("Label30_2", "η", "", 14.25);

    row("CmdOK", "ПУСК", "Запуск (остановка) установки", 12, true);
    row("Command1", "ЛУПА", "Увеличение масштаба просмотра до 10 раз", 12, true);
    row("Check_p", "Файл", "Вывод результатов на печать", 11.25);
    row("Label21", "label21", "Замедление времени", 12);
    row("Frame1", "Графики", "Выбор показа графика", 11.25);
    row("Option1", "анимация", "Анимация движения (траектория)", 11.25);
    row("Option2", "X,Vx,W(t)",
        "Зависимости координаты, проекции скорости и полной энергии от времени", 11.25);

    row("Picture1", nullptr, "Плоскость Y-X график", 11.25);
    row("Picture2", nullptr, "Анимация движения", 11.25);
    row("Picture3", nullptr,
        "Зависимость смещения от положения равновесия от времени. Слева - масштаб", 11.25);
    row("Picture4", nullptr, "Зависимость проекции скорости от времени. Слева - масштаб", 11.25);
    row("Picture6", nullptr, "Зависимость полной энергии от времени. Слева - масштаб", 11.25);

    for (const char* bar : {"HScroll1", "HScroll2", "VScroll1", "VScroll2", "VScroll3"})
        QTest::newRow(bar) << QString::fromLatin1(bar) << QString() << QString() << QString() << 0.0
                           << false;
}

void ControlsTest::captionsTooltipsFonts() {
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QString, tooltip);
    QFETCH(QString, family);
    QFETCH(double, points);
    QFETCH(bool, bold);

    Built built;
    QWidget* w = built.find(name);
    QVERIFY(w);
    if (!caption.isNull()) QCOMPARE(captionOf(w).toUcs4(), caption.toUcs4());
    QCOMPARE(w->toolTip().toUcs4(), tooltip.toUcs4());
    if (!family.isEmpty()) {
        QCOMPARE(QFontInfo(w->font()).family(), family); // the carried face, not a stand-in
        QCOMPARE(w->font().pointSizeF(), points);
        QCOMPARE(w->font().bold(), bold);
    }
}

// The builder, the layout and the entry rules reach the controls through the input table and the
// inventory of result rows and Greek overlays: every name there must be the control that the
// window's record holds for it.  A field shares the tooltip and font of its caption and, until
// start-up writes into it, shows its own name.
void ControlsTest::tablesNameTheControlsOfTheWindow() {
    Built built;
    for (const InputRow& row : inputTable()) {
        QLabel* caption = built.c.caption(row.input);
        QLineEdit* field = built.c.field(row.input);
        verifyNamedControl(built, row.captionName, caption);
        verifyNamedControl(built, row.fieldName, field);
        if (QTest::currentTestFailed()) return;
        QVERIFY(!caption->toolTip().isEmpty());
        QCOMPARE(field->toolTip(), caption->toolTip());
        QCOMPARE(field->font(), caption->font());
        QCOMPARE(field->text(), QString::fromLatin1(row.fieldName));
    }
    for (const ResultRow& row : resultRows)
        verifyNamedControl(built, row.name, built.c.*row.label);
    const auto verifyOverlays = [&](const auto& overlays) {
        for (const GreekOverlay& overlay : overlays) {
            verifyNamedControl(built, overlay.name, built.c.*overlay.label);
            QVERIFY2(built.find(overlay.partner), overlay.partner);
        }
    };
    verifyOverlays(parameterOverlays);
    verifyOverlays(resultOverlays);
}

void ControlsTest::colours_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QColor>("background"); // invalid: transparent
    QTest::addColumn<QColor>("text");

    const QPalette system = QApplication::palette();
    const QColor buttonText = system.color(QPalette::ButtonText);
    const QColor windowText = system.color(QPalette::WindowText);
    QTest::newRow("heading") << "Label10" << grey << QColor(Qt::black);
    QTest::newRow("caption, black") << "Label2" << grey << QColor(Qt::black);
    QTest::newRow("caption, window text") << "Label3" << grey << windowText;
    QTest::newRow("caption, button text") << "Label7" << grey << buttonText;
    QTest::newRow("field") << "Text7" << yellow << QColor();
    QTest::newRow("result, button text") << "Label16" << cyan << buttonText;
    QTest::newRow("result, black") << "Label17" << cyan << QColor(Qt::black);
    QTest::newRow("last result") << "Label30" << cyan << QColor(Qt::black);
    QTest::newRow("input overlay") << "Label3_2" << QColor() << windowText;
    QTest::newRow("result overlay") << "Label17_2" << QColor() << QColor(Qt::black);
    QTest::newRow("slow-down factor") << "Label21" << QColor(Qt::white) << QColor(Qt::black);
}

void ControlsTest::colours() {
    QFETCH(QString, name);
    QFETCH(QColor, background);
    QFETCH(QColor, text);

    Built built;
    QWidget* w = built.find(name);
    if (qobject_cast<QLineEdit*>(w)) {
        QCOMPARE(w->palette().color(QPalette::Base), background);
    } else {
        QCOMPARE(w->autoFillBackground(), background.isValid());
        if (background.isValid()) QCOMPARE(w->palette().color(QPalette::Window), background);
    }
    if (text.isValid()) QCOMPARE(w->palette().color(QPalette::WindowText), text);
}

void ControlsTest::greekOverlaysAreTransparentTextFontsAboveTheirPartners() {
    Built built;
    const QObjectList& stack = built.area.children();
    const auto depth = [&](const char* name) { return stack.indexOf(built.find(name)); };
    for (const char* partner : {"Label3", "Label5", "Label9", "Label12", "Label16", "Label17",
                                "Label22", "Label23", "Label27", "Label29", "Label30"}) {
        const QByteArray overlay = QByteArray(partner) + "_2";
        QVERIFY2(depth(overlay) > depth(partner), overlay.constData());
        QVERIFY(built.find(overlay)->font().family() != "Symbol");
        QVERIFY(built.find(overlay)->testAttribute(Qt::WA_TransparentForMouseEvents));
    }
    QVERIFY(depth("Picture2") > depth("Picture1"));
    QCOMPARE(built.c.Label16_2->width(), 16);
    QCOMPARE(built.c.Label27_2->width(), 14);
    QCOMPARE(built.c.Label3_2->width(), 10);
}

void ControlsTest::keyboardOrderFollowsTheTabIndexes() {
    Built built;
    const QStringList expected{
        "CmdOK",    "Text2",  "Text1",  "Text4",    "Text5",    "Text6",   "HScroll1", "Text3",
        "Text7",    "Text8",  "Text9",  "Command1", "HScroll2", "Option1", "Option2",  "VScroll1",
        "VScroll2", "Text18", "Text19", "Text20",   "VScroll3", "Check_p"};
    QStringList chain;
    QWidget* w = built.c.CmdOK;
    do {
        if (w->focusPolicy() & Qt::TabFocus) chain << w->objectName();
        w = w->nextInFocusChain();
    } while (w != built.c.CmdOK && chain.size() <= expected.size());
    QCOMPARE(chain, expected);
}

void ControlsTest::scrollBars_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("orientation");
    QTest::addColumn<int>("minimum");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<int>("value");
    QTest::newRow("slow-down") << "HScroll1" << int(Qt::Horizontal) << 1 << 9 << 1;
    QTest::newRow("magnifier") << "HScroll2" << int(Qt::Horizontal) << 1 << 10 << 1;
    QTest::newRow("X(t)") << "VScroll1" << int(Qt::Vertical) << -20 << 20 << 1;
    QTest::newRow("Vx(t)") << "VScroll2" << int(Qt::Vertical) << -20 << 20 << 1;
    QTest::newRow("W(t)") << "VScroll3" << int(Qt::Vertical) << -100 << 100 << 0;
}

void ControlsTest::scrollBars() {
    QFETCH(QString, name);
    QFETCH(int, orientation);
    QFETCH(int, minimum);
    QFETCH(int, maximum);
    QFETCH(int, value);
    // The bars get their ranges when the window connects them.
    RecordingPlatform platform;
    MainWindow window(platform.platform());
    auto* bar = window.clientArea()->findChild<QScrollBar*>(name);
    QVERIFY(bar);
    QCOMPARE(int(bar->orientation()), orientation);
    QCOMPARE(bar->minimum(), minimum);
    QCOMPARE(bar->maximum(), maximum);
    QCOMPARE(bar->value(), value);
    // An arrow and the track both move by one.
    bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
    QCOMPARE(bar->value(), value + 1);
    bar->triggerAction(QAbstractSlider::SliderSingleStepSub);
    QCOMPARE(bar->value(), value);
}

void ControlsTest::initialStates() {
    Built built;
    const MainControls& c = built.c;
    QVERIFY(c.Option1->isChecked());
    QVERIFY(!c.Option2->isChecked());
    QCOMPARE(c.Option1->parentWidget(), c.Frame1);
    QCOMPARE(c.Option1->geometry(), QRect(3, 17, 81, 20));
    QCOMPARE(c.Option2->geometry(), QRect(3, 37, 88, 20));
    c.Option2->click(); // both belong to the frame: choosing one clears the other
    QVERIFY(!c.Option1->isChecked());
    QVERIFY(c.Option2->isChecked());

    QVERIFY(!c.Check_p->isChecked());
    QVERIFY(c.CmdOK->isEnabled() && c.Command1->isEnabled());

    const ViewSettings view;
    const RunController run(view);
    const QTimer* timer = run.pauseTimer();
    QCOMPARE(timer->objectName(), "Timer1");
    QVERIFY(!timer->isActive());
    QCOMPARE(timer->interval(), 1);
    QCOMPARE(timer->timerType(), Qt::PreciseTimer);

    QCOMPARE(c.Picture1->background(), QColor(Qt::white));
    QCOMPARE(c.Picture2->background(), QApplication::palette().color(QPalette::Button));
    for (PictureBox* graph : {c.Picture3, c.Picture4, c.Picture6})
        QCOMPARE(graph->background(), QColor(Qt::white));
    for (QLabel* result : {c.Label12, c.Label30, c.Label21})
        QCOMPARE(result->frameShape(), QFrame::Panel);
    QCOMPARE(c.caption(Input::m)->frameShape(), QFrame::NoFrame);
}

void ControlsTest::accessibleNamesAndDescriptions_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("accessibleName");
    QTest::newRow("mass field") << "Text1"
                                << "масса шара, кг";
    QTest::newRow("time field") << "Text20"
                                << "время расчёта, с";
    QTest::newRow("slow-down bar") << "HScroll1"
                                   << "замедление времени";
    QTest::newRow("W(t) zoom bar") << "VScroll3"
                                   << "масштаб графика W(t)";
    QTest::newRow("Y-X plane") << "Picture1"
                               << "плоскость Y-X";
    QTest::newRow("caption label") << "Label7"
                                   << "с = ";
    QTest::newRow("button") << "CmdOK"
                            << "ПУСК";
    QTest::newRow("Greek overlay") << "Label27_2"
                                   << "Θ";
}

void ControlsTest::accessibleNamesAndDescriptions() {
    QFETCH(QString, name);
    QFETCH(QString, accessibleName);
    Built built;
    QWidget* w = built.find(name);
    QCOMPARE(accessibleText(w, QAccessible::Name).toUcs4(), accessibleName.toUcs4());

    // Every field, scroll bar and panel has a name of its own, and every tooltip is also read
    // out as the description.
    QSet<QString> names;
    for (QWidget* child : built.area.findChildren<QWidget*>()) {
        if (qobject_cast<QLineEdit*>(child) || qobject_cast<QScrollBar*>(child) ||
            qobject_cast<PictureBox*>(child)) {
            const QString n = child->accessibleName();
            QVERIFY2(n.contains(QRegularExpression("[а-я]")), qPrintable(child->objectName()));
            names.insert(n);
        }
        if (!child->toolTip().isEmpty())
            QCOMPARE(accessibleText(child, QAccessible::Description), child->toolTip());
    }
    QCOMPARE(names.size(), 12 + 5 + 5);
}

void ControlsTest::menuBar() {
    QMenuBar bar;
    const MainMenus m = buildMenus(&bar);
    const QList<QAction*> top = bar.actions();
    QCOMPARE(top.size(), 3);
    QCOMPARE(top[0]->text(), "&Файл");
    QCOMPARE(top[1]->text(), "&Исследование");
    QCOMPARE(top[2]->text(), "&Помощь");
    QCOMPARE(m.mnuFile->objectName(), "mnuFile");
    QCOMPARE(m.mnuResearch->objectName(), "mnuResearch");
    QCOMPARE(m.mnuHelp->objectName(), "mnuHelp");

    const auto items = [](QMenu* menu) {
        QStringList list;
        for (QAction* a : menu->actions())
            list << a->objectName() + (a->isSeparator() ? " ---" : " " + a->text());
        return list;
    };
    // The experiment items stand between the help documents and the separator above «Выход».
    QCOMPARE(
        items(m.mnuFile),
        QStringList({"mnuFilespravka Справка", "mnuFilespravka2 Справка2", " ---",
                     "mnuFileOpen Открыть эксперимент…", "mnuFileSave Сохранить эксперимент…",
                     " Последние", " Примеры", " ---", "mnuFileExportCsv Экспорт таблицы (CSV)…",
                     "mnuFileCopyTable Копировать таблицу", " ---", "mnuFileReport Отчёт (PDF)…",
                     "mnuFilePrint Печать…", "mnuHelpSep1 ---", "mnuFileExit Выход"}));
    QCOMPARE(items(m.mnuHelp),
             QStringList({"mnuHelpInstruction Инструкция", "mnuHelpUprav Управление",
                          "mnuHelpSep2 ---", "mnuHelpAvtors Авторы", "mnuHelpAbout О программе"}));
    QCOMPARE(items(m.mnuResearch), QStringList{"mnuResearchResonance Резонансная кривая"});
    QCOMPARE(m.mnuFilespravka->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_S));
    QCOMPARE(m.mnuResearchResonance->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_R));
    QCOMPARE(m.mnuHelpSep1, m.mnuFile->actions().at(13));
    QCOMPARE(m.mnuHelpAbout, m.mnuHelp->actions().at(4));
}

void ControlsTest::menuPictureHolders_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("box");
    QTest::addColumn<int>("bitsPerPixel");
    QTest::newRow("exit") << "Picture5" << QRect(464, 400, 41, 33) << 24;
    QTest::newRow("help") << "Picture8" << QRect(368, 400, 32, 32) << 24;
    QTest::newRow("authors") << "Picture9" << QRect(456, 448, 32, 32) << 24;
    QTest::newRow("help 2") << "Picture10" << QRect(416, 400, 32, 32) << 1;
    QTest::newRow("about") << "Picture11" << QRect(496, 448, 32, 32) << 4;
    QTest::newRow("controls") << "Picture12" << QRect(416, 448, 32, 32) << 4;
    QTest::newRow("instruction") << "Picture13" << QRect(368, 448, 32, 32) << 4;
}

void ControlsTest::menuPictureHolders() {
    QFETCH(QString, name);
    QFETCH(QRect, box);
    QFETCH(int, bitsPerPixel);
    Built built;
    auto* holder = qobject_cast<QLabel*>(built.find(name));
    QVERIFY(holder);
    QCOMPARE(holder->geometry(), box);
    QCOMPARE(holder->pixmap().size(), QSize(32, 32));

    // The colour depth stands in the bitmap's header.
    QFile file(":/assets/" + name.toLower() + ".bmp");
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray header = file.read(30);
    QCOMPARE(header.left(2), QByteArray("BM"));
    QCOMPARE(int(quint8(header[28])) | int(quint8(header[29])) << 8, bitsPerPixel);
}

void ControlsTest::authorsWindow() {
    AuthorsWindow form2;
    QCOMPARE(form2.objectName(), "Form2");
    QCOMPARE(form2.windowTitle(), "Авторы");
    QCOMPARE(form2.size(), QSize(222, 297));
    QCOMPARE(form2.minimumSize(), form2.maximumSize()); // fixed border
    QVERIFY(form2.testAttribute(Qt::WA_DeleteOnClose));
    QVERIFY(!form2.testAttribute(Qt::WA_QuitOnClose));
    QCOMPARE(form2.picture()->geometry(), QRect(32, 8, 150, 180));
    QCOMPARE(form2.picture()->pixmap().size(), QSize(150, 180));
    QCOMPARE(form2.credit()->geometry(), QRect(8, 200, 209, 81));
    QCOMPARE(form2.credit()->text(), "Label1");
    QVERIFY(!form2.windowIcon().isNull());
    QCOMPARE(assets::authorsPicture().size(), QSize(150, 180));
    QCOMPARE(assets::programIcon().availableSizes(), QList<QSize>{QSize(32, 32)});
}

void ControlsTest::magnifierWindow() {
    MagnifierWindow form3;
    QCOMPARE(form3.objectName(), "Form3");
    QCOMPARE(form3.windowTitle(), "Лупа (движение центра шара)");
    QVERIFY(form3.testAttribute(Qt::WA_DeleteOnClose));
    QVERIFY(!form3.testAttribute(Qt::WA_QuitOnClose));
    QVERIFY(!form3.windowIcon().isNull());
    QCOMPARE(QFontInfo(form3.font()).family(), "Trelvix Serif");
    QCOMPARE(form3.font().pointSizeF(), 11.25);
    form3.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form3));
    QCOMPARE(form3.size(), QSize(250, 250));
    QCOMPARE(form3.surface()->geometry(), QRect(0, 0, 250, 250)); // the whole client area
    QCOMPARE(form3.surface()->background(), QColor(Qt::white));
    QCOMPARE(form3.marker()->objectName(), "Shape1");
    QCOMPARE(form3.marker()->parentWidget(), form3.surface());
    QCOMPARE(form3.marker()->geometry(), QRect(40, 96, 10, 17));
    QCOMPARE(form3.surface()->image().pixelColor(125, 125), QColor(Qt::white));
    form3.hide();
}

void ControlsTest::cleanup() {
    QCOMPARE(visibleTopLevelWindows(), QStringList());
}

QTEST_MAIN(ControlsTest)
#include "tst_controls.moc"
