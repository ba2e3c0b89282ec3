// The inventory of the three windows: every control with its caption, tooltip, font, colours,
// initial state and keyboard order, as created (before start-up writes anything into them).

#include "entry/input_table.h"
#include "open_windows.h"
#include "recording_platform.h"
#include "shell/help/authors_window.h"
#include "shell/main_window/control_inventory.h"
#include "shell/main_window/main_controls.h"
#include "shell/main_window/main_window.h"
#include "shell/main_window/menus.h"
#include "shell/run/run_controller.h"
#include "shell/widgets/assets.h"
#include "shell/widgets/circle_shape.h"
#include "shell/widgets/magnifier_window.h"
#include "shell/widgets/picture_box.h"

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

// The control called `name` is `expected`, is shown with the window and (unless its text comes
// only with the characteristics, as a result's does) has a name a screen reader can read out.
void verifyNamedControl(const Built& built, const char* name, QWidget* expected,
                        bool namedBeforeStartUp = true) {
    QWidget* w = built.find(QString::fromLatin1(name));
    QVERIFY2(w, name);
    QVERIFY2(w == expected, name);
    QVERIFY2(w->isVisibleTo(&built.area), name);
    if (namedBeforeStartUp)
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
    void menuPictures_data();
    void menuPictures();
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
    row("parametersHeading", "Параметры задачи", "Параметры задачи", 12, true);
    row("characteristicsHeading", "Характеристики", "Характеристики движения", 11.25, true);

    row("massCaption", "m (кг) =", "масса шара", 12);
    row("diameterCaption", "d (м) =", "диаметр шара", 12);
    row("dragCaption", "с = ", "коэффициент лобового сопротивления для шара", 12);
    row("stiffnessCaption", "k (Н/м) =", "коэффициент жёсткости пружины", 12);
    row("springLengthCaption", "Lo (м) =", "длина нерастянутой пружины", 12);
    row("mediumDensityCaption", "  o (кг/м3) =", "плотность среды", 12);
    row("viscosityCaption", "    (Па·с) = ", "коэффициент динамической вязкости среды", 12);
    row("amplitudeCaption", "Хm (м) =", "амплитуда вынуждающей силы", 12);
    row("frequencyCaption", "   (Гц) =", "частота вынуждающей силы", 12);
    row("startPositionCaption", "Хo (м) =", "начальная координата центра шара", 12);
    row("startVelocityCaption", "Voх (м/с)=", "начальная скорость", 12);
    row("durationCaption", "Т (с) =", "время расчета", 12);

    row("mediumDensityLetter", "ρ", "", 14.25);
    row("viscosityLetter", "η", "", 14.25);
    row("frequencyLetter", "ν", "", 14.25);

    row("ballDensityResult", nullptr, "плотность материала шара", 12);
    row("mediumMassResult", nullptr, "масса среды в объёме шара", 12);
    row("equilibriumResult", nullptr, "координата положения равновесия", 12);
    row("quadraticDistanceResult", nullptr,
        "Характерное расстояние для квадратичной силы сопротивления среды", 12);
    row("dampingResult", nullptr, "декремент затухания", 12);
    row("harmonicFrequencyResult", nullptr, "циклическая частота гармонических колебаний", 12);
    row("naturalFrequencyResult", nullptr, "циклическая частота собственных колебаний", 12);
    row("drivingFrequencyResult", nullptr, "циклическая частота вынуждающей силы", 12);
    row("harmonicPeriodResult", nullptr, "Период гармонических колебаний", 12);
    row("naturalPeriodResult", nullptr, "Период собственных колебаний", 12);
    row("drivingPeriodResult", nullptr, "Период вынуждающей силы", 12);
    row("logDecrementResult", nullptr, "Логарифмический декремент затухания", 12);
    row("qualityFactorResult", nullptr, "добротность", 12);
    row("resonanceFrequencyResult", nullptr, "резонансная частота (при с=0)", 12);
    row("criticalViscosityResult", nullptr, "вязкость критического режима (при с=0)", 12);

    row("ballDensityLetter", "ρ", "", 14.25);
    row("dampingLetter", "δ", "", 14.25);
    row("harmonicFrequencyLetter", "ω", "", 14.25);
    row("naturalFrequencyLetter", "ω", "", 14.25);
    row("drivingFrequencyLetter", "ω", "", 14.25);
    row("logDecrementLetter", "Θ", "", 14.25);
    row("resonanceFrequencyLetter", "ν", "", 14.25);
    row("criticalViscosityLetter", "η", "", 14.25);

    row("startButton", "ПУСК", "Запуск (остановка) установки", 12, true);
    row("magnifierButton", "ЛУПА", "Увеличение масштаба просмотра до 10 раз", 12, true);
    row("resultsFileBox", "Файл", "Вывод результатов на печать", 11.25);
    row("slowDownLabel", nullptr, "Замедление времени", 12);
    row("viewFrame", "Графики", "Выбор показа графика", 11.25);
    row("animationOption", "анимация", "Анимация движения (траектория)", 11.25);
    row("graphsOption", "X,Vx,W(t)",
        "Зависимости координаты, проекции скорости и полной энергии от времени", 11.25);

    row("planePanel", nullptr, "Плоскость Y-X график", 11.25);
    row("animationPanel", nullptr, "Анимация движения", 11.25);
    row("displacementPanel", nullptr,
        "Зависимость смещения от положения равновесия от времени. Слева - масштаб", 11.25);
    row("velocityPanel", nullptr, "Зависимость проекции скорости от времени. Слева - масштаб",
        11.25);
    row("energyPanel", nullptr, "Зависимость полной энергии от времени. Слева - масштаб", 11.25);

    for (const char* bar : {"slowDownBar", "magnifierZoomBar", "displacementZoomBar",
                            "velocityZoomBar", "energyZoomBar"})
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
    }
    for (const ResultRow& row : resultRows)
        verifyNamedControl(built, row.name, built.c.result(row.result), false);
    for (const auto& overlay : parameterOverlays)
        verifyNamedControl(built, overlay.name, built.c.letter(overlay.partner));
    for (const auto& overlay : resultOverlays)
        verifyNamedControl(built, overlay.name, built.c.letter(overlay.partner));
}

void ControlsTest::colours_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QColor>("background"); // invalid: transparent
    QTest::addColumn<QColor>("text");

    const QPalette system = QApplication::palette();
    const QColor buttonText = system.color(QPalette::ButtonText);
    const QColor windowText = system.color(QPalette::WindowText);
    QTest::newRow("heading") << "parametersHeading" << grey << QColor(Qt::black);
    QTest::newRow("caption, black") << "springLengthCaption" << grey << QColor(Qt::black);
    QTest::newRow("caption, window text") << "mediumDensityCaption" << grey << windowText;
    QTest::newRow("caption, button text") << "dragCaption" << grey << buttonText;
    QTest::newRow("field") << "dragField" << yellow << QColor();
    QTest::newRow("result, button text") << "dampingResult" << cyan << buttonText;
    QTest::newRow("result, black") << "harmonicFrequencyResult" << cyan << QColor(Qt::black);
    QTest::newRow("last result") << "criticalViscosityResult" << cyan << QColor(Qt::black);
    QTest::newRow("input overlay") << "mediumDensityLetter" << QColor() << windowText;
    QTest::newRow("result overlay") << "harmonicFrequencyLetter" << QColor() << QColor(Qt::black);
    QTest::newRow("slow-down factor") << "slowDownLabel" << QColor(Qt::white) << QColor(Qt::black);
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
    const auto depth = [&](const QString& name) { return stack.indexOf(built.find(name)); };
    for (const QString row :
         {"mediumDensityCaption", "viscosityCaption", "frequencyCaption", "ballDensityResult",
          "dampingResult", "harmonicFrequencyResult", "naturalFrequencyResult",
          "drivingFrequencyResult", "logDecrementResult", "resonanceFrequencyResult",
          "criticalViscosityResult"}) {
        const QString overlay = row.chopped(row.endsWith("Caption") ? 7 : 6) + "Letter";
        QVERIFY2(depth(overlay) > depth(row), qPrintable(overlay));
        QVERIFY(built.find(overlay)->font().family() != "Symbol");
        QVERIFY(built.find(overlay)->testAttribute(Qt::WA_TransparentForMouseEvents));
    }
    QVERIFY(depth("animationPanel") > depth("planePanel"));
    QCOMPARE(built.c.letter(Result::damping)->width(), 16);
    QCOMPARE(built.c.letter(Result::logDecrement)->width(), 14);
    QCOMPARE(built.c.letter(Input::ro)->width(), 10);
}

void ControlsTest::keyboardOrderFollowsTheTabIndexes() {
    Built built;
    const QStringList expected{
        "startButton",      "springLengthField",  "massField",          "diameterField",
        "viscosityField",   "amplitudeField",     "slowDownBar",        "mediumDensityField",
        "dragField",        "stiffnessField",     "frequencyField",     "magnifierButton",
        "magnifierZoomBar", "animationOption",    "graphsOption",       "displacementZoomBar",
        "velocityZoomBar",  "startPositionField", "startVelocityField", "durationField",
        "energyZoomBar",    "resultsFileBox"};
    QStringList chain;
    QWidget* w = built.c.startButton;
    do {
        if (w->focusPolicy() & Qt::TabFocus) chain << w->objectName();
        w = w->nextInFocusChain();
    } while (w != built.c.startButton && chain.size() <= expected.size());
    QCOMPARE(chain, expected);
}

void ControlsTest::scrollBars_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("orientation");
    QTest::addColumn<int>("minimum");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<int>("value");
    QTest::newRow("slow-down") << "slowDownBar" << int(Qt::Horizontal) << 1 << 9 << 1;
    QTest::newRow("magnifier") << "magnifierZoomBar" << int(Qt::Horizontal) << 1 << 10 << 1;
    QTest::newRow("X(t)") << "displacementZoomBar" << int(Qt::Vertical) << -20 << 20 << 1;
    QTest::newRow("Vx(t)") << "velocityZoomBar" << int(Qt::Vertical) << -20 << 20 << 1;
    QTest::newRow("W(t)") << "energyZoomBar" << int(Qt::Vertical) << -100 << 100 << 0;
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
    QVERIFY(c.animationOption->isChecked());
    QVERIFY(!c.graphsOption->isChecked());
    QCOMPARE(c.animationOption->parentWidget(), c.viewFrame);
    QCOMPARE(c.animationOption->geometry(), QRect(3, 17, 81, 20));
    QCOMPARE(c.graphsOption->geometry(), QRect(3, 37, 88, 20));
    c.graphsOption->click(); // both belong to the frame: choosing one clears the other
    QVERIFY(!c.animationOption->isChecked());
    QVERIFY(c.graphsOption->isChecked());

    QVERIFY(!c.resultsFileBox->isChecked());
    QVERIFY(c.startButton->isEnabled() && c.magnifierButton->isEnabled());

    ExperimentDocument document;
    const RunController run(document);
    const QTimer* timer = run.pauseTimer();
    QCOMPARE(timer->objectName(), "pauseTimer");
    QVERIFY(!timer->isActive());
    QCOMPARE(timer->interval(), 1);
    QCOMPARE(timer->timerType(), Qt::PreciseTimer);

    QCOMPARE(c.planePanel->background(), QColor(Qt::white));
    QCOMPARE(c.animationPanel->background(), QApplication::palette().color(QPalette::Button));
    for (PictureBox* graph : {c.displacementPanel, c.velocityPanel, c.energyPanel})
        QCOMPARE(graph->background(), QColor(Qt::white));
    for (QLabel* result :
         {c.result(Result::ballDensity), c.result(Result::criticalViscosity), c.slowDownLabel})
        QCOMPARE(result->frameShape(), QFrame::Panel);
    QCOMPARE(c.caption(Input::m)->frameShape(), QFrame::NoFrame);
}

void ControlsTest::accessibleNamesAndDescriptions_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("accessibleName");
    QTest::newRow("mass field") << "massField"
                                << "масса шара, кг";
    QTest::newRow("time field") << "durationField"
                                << "время расчёта, с";
    QTest::newRow("slow-down bar") << "slowDownBar"
                                   << "замедление времени";
    QTest::newRow("W(t) zoom bar") << "energyZoomBar"
                                   << "масштаб графика W(t)";
    QTest::newRow("Y-X plane") << "planePanel"
                               << "плоскость Y-X";
    QTest::newRow("caption label") << "dragCaption"
                                   << "с = ";
    QTest::newRow("button") << "startButton"
                            << "ПУСК";
    QTest::newRow("Greek overlay") << "logDecrementLetter"
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
                     "mnuFilePrint Печать…", " Язык", "mnuHelpSep1 ---", "mnuFileExit Выход"}));
    QCOMPARE(items(m.mnuHelp),
             QStringList({"mnuHelpInstruction Инструкция", "mnuHelpUprav Управление",
                          "mnuHelpSep2 ---", "mnuHelpAvtors Авторы", "mnuHelpAbout О программе"}));
    QCOMPARE(items(m.mnuResearch),
             QStringList({"mnuResearchResonance Резонансная кривая", "mnuRunPause Пауза",
                          "mnuRunContinue Продолжить\tF5", "mnuRunStep Шаг", " ---",
                          "mnuRunKeep Запомнить прогон", "mnuRunForget Забыть прогоны", " ---",
                          "mnuPhasePortrait Фазовый портрет", "mnuMeasurements Измерения"}));
    QCOMPARE(m.mnuFilespravka->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_S));
    QCOMPARE(m.mnuResearchResonance->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_R));
    QCOMPARE(m.mnuHelpSep1, m.mnuFile->actions().at(14));
    QCOMPARE(m.mnuHelpAbout, m.mnuHelp->actions().at(4));
}

void ControlsTest::menuPictures_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("bitsPerPixel");
    QTest::newRow("exit") << "exit" << 24;
    QTest::newRow("help") << "reference" << 24;
    QTest::newRow("authors") << "authors" << 24;
    QTest::newRow("help 2") << "reference2" << 1;
    QTest::newRow("about") << "about" << 4;
    QTest::newRow("controls") << "controls" << 4;
    QTest::newRow("instruction") << "instruction" << 4;
}

void ControlsTest::menuPictures() {
    QFETCH(QString, name);
    QFETCH(int, bitsPerPixel);
    QCOMPARE(QPixmap(":/assets/menu-" + name + ".bmp").size(), QSize(32, 32));
    // The colour depth stands in the bitmap's header.
    QFile file(":/assets/menu-" + name + ".bmp");
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray header = file.read(30);
    QCOMPARE(header.left(2), QByteArray("BM"));
    QCOMPARE(int(quint8(header[28])) | int(quint8(header[29])) << 8, bitsPerPixel);
}

void ControlsTest::authorsWindow() {
    AuthorsWindow form2;
    QCOMPARE(form2.objectName(), "authorsWindow");
    QCOMPARE(form2.windowTitle(), "Авторы");
    QCOMPARE(form2.size(), QSize(222, 297));
    QCOMPARE(form2.minimumSize(), form2.maximumSize()); // fixed border
    QVERIFY(form2.testAttribute(Qt::WA_DeleteOnClose));
    QVERIFY(!form2.testAttribute(Qt::WA_QuitOnClose));
    QCOMPARE(form2.picture()->geometry(), QRect(32, 8, 150, 180));
    QCOMPARE(form2.picture()->pixmap().size(), QSize(150, 180));
    QCOMPARE(form2.credit()->geometry(), QRect(8, 200, 209, 81));
    QVERIFY(!form2.windowIcon().isNull());
    QCOMPARE(assets::authorsPicture().size(), QSize(150, 180));
    QCOMPARE(assets::programIcon().availableSizes(), QList<QSize>{QSize(32, 32)});
}

void ControlsTest::magnifierWindow() {
    MagnifierWindow form3;
    QCOMPARE(form3.objectName(), "magnifierWindow");
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
    QCOMPARE(form3.marker()->objectName(), "marker");
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
