#include "shell/main_window/control_texts.h"

#include "entry/input_table.h"
#include "shell/main_window/control_inventory.h"
#include "shell/main_window/window_texts.h"
#include "shell/widgets/control_style.h"
#include "shell/widgets/picture_box.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

namespace trelvix {

namespace {

struct ControlTexts {
    Q_DECLARE_TR_FUNCTIONS(trelvix::MainControls)
public:
    static void headings(const MainControls& c);
    static void rows(const MainControls& c);
    static void runControls(const MainControls& c, bool running);
    static void viewChoice(const MainControls& c);
    static void plotPanels(const MainControls& c);
};

void ControlTexts::headings(const MainControls& c) {
    c.parametersHeading->setText(tr("Параметры задачи"));
    setTip(c.parametersHeading, tr("Параметры задачи", "tooltip"));
    c.characteristicsHeading->setText(tr("Характеристики"));
    setTip(c.characteristicsHeading, tr("Характеристики движения"));
}

void ControlTexts::rows(const MainControls& c) {
    for (const InputRow& row : inputTable()) {
        const QString tip = translatedTooltip(row);
        c.caption(row.input)->setText(translatedCaption(row));
        setTip(c.caption(row.input), tip);
        setTip(c.field(row.input), tip);
        c.field(row.input)->setAccessibleName(translatedQuantity(row));
    }
    for (const ResultRow& row : resultRows)
        setTip(c.result(row.result), resultName(row));
}

void ControlTexts::runControls(const MainControls& c, bool running) {
    c.startButton->setText(running ? texts::stopCaption() : texts::startCaption());
    setTip(c.startButton, tr("Запуск (остановка) установки"));
    c.magnifierButton->setText(tr("ЛУПА"));
    setTip(c.magnifierButton, tr("Увеличение масштаба просмотра до 10 раз"));
    c.resultsFileBox->setText(tr("Файл"));
    setTip(c.resultsFileBox, tr("Вывод результатов на печать"));
    c.slowDownBar->setAccessibleName(tr("замедление времени"));
    setTip(c.slowDownLabel, tr("Замедление времени"));
    c.magnifierZoomBar->setAccessibleName(tr("увеличение лупы"));
}

void ControlTexts::viewChoice(const MainControls& c) {
    c.viewFrame->setTitle(tr("Графики"));
    setTip(c.viewFrame, tr("Выбор показа графика"));
    c.animationOption->setText(tr("анимация"));
    setTip(c.animationOption, tr("Анимация движения (траектория)"));
    c.graphsOption->setText(QStringLiteral("X,Vx,W(t)"));
    setTip(c.graphsOption,
           tr("Зависимости координаты, проекции скорости и полной энергии от времени"));
}

void ControlTexts::plotPanels(const MainControls& c) {
    const auto panel = [](PictureBox* box, const QString& tip, const QString& purpose) {
        setTip(box, tip);
        box->setAccessibleName(purpose);
    };
    panel(c.planePanel, tr("Плоскость Y-X график"), tr("плоскость Y-X"));
    panel(c.animationPanel, tr("Анимация движения"), tr("анимация движения шара на пружине"));
    panel(c.displacementPanel,
          tr("Зависимость смещения от положения равновесия от времени. Слева - масштаб"),
          tr("график смещения X(t)"));
    panel(c.velocityPanel, tr("Зависимость проекции скорости от времени. Слева - масштаб"),
          tr("график скорости Vx(t)"));
    panel(c.energyPanel, tr("Зависимость полной энергии от времени. Слева - масштаб"),
          tr("график энергии W(t)"));
    c.displacementZoomBar->setAccessibleName(tr("масштаб графика X(t)"));
    c.velocityZoomBar->setAccessibleName(tr("масштаб графика Vx(t)"));
    c.energyZoomBar->setAccessibleName(tr("масштаб графика W(t)"));
}

} // namespace

void setControlTexts(const MainControls& c, bool running) {
    ControlTexts::headings(c);
    ControlTexts::rows(c);
    ControlTexts::runControls(c, running);
    ControlTexts::viewChoice(c);
    ControlTexts::plotPanels(c);
}

QString resultName(const ResultRow& row) {
    return ControlTexts::tr(row.tooltip);
}

} // namespace trelvix
