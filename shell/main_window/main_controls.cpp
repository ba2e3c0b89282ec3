#include "shell/main_window/main_controls.h"

#include "entry/input_table.h"
#include "shell/main_window/caption_alignment.h"
#include "shell/main_window/control_inventory.h"
#include "shell/main_window/window_texts.h"
#include "shell/widgets/control_style.h"
#include "shell/widgets/picture_box.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <algorithm>
#include <utility>
#include <vector>

namespace trelvix {

namespace {

// Builds the controls one group after another.  Creation order is stacking order: a Greek
// overlay is created after its partner and so lies above it, as animationPanel lies above
// planePanel.
class Builder {
public:
    explicit Builder(QWidget* area) : area_(area) {}

    MainControls build();

private:
    void headings();
    void parameterRows();
    void resultRows();
    void greekOverlays();
    void runControls();
    void viewChoice();
    void plotPanels();
    void keyboardOrder();

    QLabel* label(const char* name, const QString& text, const QFont& font);
    QScrollBar* scrollBar(const char* name, Qt::Orientation orientation, const char* purpose);
    PictureBox* pictureBox(const char* name, const QColor& background, const char* tip,
                           const char* purpose);
    template <typename Widget> Widget* named(Widget* widget, const char* name);
    void inKeyboardOrder(int tabIndex, QWidget* widget);

    QWidget* area_;
    MainControls c_{};
    std::vector<std::pair<int, QWidget*>> tabStops_;
};

template <typename Widget> Widget* Builder::named(Widget* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

void Builder::inKeyboardOrder(int tabIndex, QWidget* widget) {
    widget->setFocusPolicy(Qt::StrongFocus);
    tabStops_.emplace_back(tabIndex, widget);
}

// Labels write their text from the top edge rather than centred: the Greek overlays are placed
// for captions that start at the top.
QLabel* Builder::label(const char* name, const QString& text, const QFont& font) {
    auto* l = named(new QLabel(text, area_), name);
    l->setTextFormat(Qt::PlainText);
    l->setFont(font);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return l;
}

// A single sunken border.
void bordered(QLabel* label) {
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setLineWidth(1);
    // One pixel off the border: the longest caption (the critical viscosity with its unit) then
    // fits the 160-pixel label, and the Greek overlays meet the text after the blanks.
    label->setIndent(1);
}

QScrollBar* Builder::scrollBar(const char* name, Qt::Orientation orientation, const char* purpose) {
    auto* bar = named(new QScrollBar(orientation, area_), name);
    bar->setAccessibleName(QString::fromUtf8(purpose));
    return bar;
}

PictureBox* Builder::pictureBox(const char* name, const QColor& background, const char* tip,
                                const char* purpose) {
    auto* box = named(new PictureBox(background, area_), name);
    box->setFont(fonts::times1125());
    setTip(box, QString::fromUtf8(tip));
    box->setAccessibleName(QString::fromUtf8(purpose));
    return box;
}

void Builder::headings() {
    const auto heading = [this](const char* name, const char* text, const QFont& font,
                                const char* tip) {
        QLabel* l = label(name, QString::fromUtf8(text), font);
        l->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        setBackground(l, colours::formGrey);
        setTip(l, QString::fromUtf8(tip));
        return l;
    };
    c_.parametersHeading =
        heading("parametersHeading", "Параметры задачи", fonts::times12Bold(), "Параметры задачи");
    c_.characteristicsHeading = heading("characteristicsHeading", "Характеристики",
                                        fonts::times1125Bold(), "Характеристики движения");
}

void Builder::parameterRows() {
    for (const InputRow& row : inputTable()) {
        const QString tip = QString::fromUtf8(row.tooltip);

        QLabel* caption =
            label(row.captionName, QString::fromUtf8(row.captionText), fonts::times12());
        setBackground(caption, colours::formGrey);
        setTextColour(caption, row.captionColour);
        setTip(caption, tip);
        c_.captions[static_cast<std::size_t>(row.input)] = caption;

        auto* field = named(new QLineEdit(area_), row.fieldName);
        field->setFont(fonts::times12());
        QPalette palette = field->palette();
        palette.setColor(QPalette::Base, colours::fieldYellow);
        field->setPalette(palette);
        setTip(field, tip);
        field->setAccessibleName(QString::fromUtf8(row.quantity));
        inKeyboardOrder(row.fieldTab, field);
        c_.fields[static_cast<std::size_t>(row.input)] = field;
    }
}

void Builder::resultRows() {
    for (const ResultRow& row : trelvix::resultRows) {
        QLabel* result = label(row.name, QString(), fonts::times12());
        bordered(result);
        setBackground(result, colours::resultCyan);
        setTextColour(result, row.colour);
        setTip(result, QString::fromUtf8(row.tooltip));
        c_.results[static_cast<std::size_t>(row.result)] = result;
    }
}

// The overlays are transparent: the blanks beneath them are empty anyway, and the first letter
// after them (the o of ρo) stays whole.  Where the letter stands inside its overlay is set by
// alignGreekLetters() once the captions are known.
void Builder::greekOverlays() {
    const auto overlay = [this](const auto& o) {
        const QLabel* partner = partnerLabel(c_, o.partner);
        const std::string_view text = greekLetterOf(o.partner);
        QLabel* letter = label(o.name, QString::fromUtf8(text.data(), qsizetype(text.size())),
                               fonts::greekLetters());
        letter->resize(o.width, letter->height());
        letter->setPalette(partner->palette());
        letter->setAutoFillBackground(false);
        // The letter is part of its partner's caption: the mouse over it shows the partner's
        // tooltip.
        letter->setAttribute(Qt::WA_TransparentForMouseEvents);
        return letter;
    };
    for (std::size_t i = 0; i < parameterOverlays.size(); ++i) {
        c_.parameterLetters[i] = overlay(parameterOverlays[i]);
        setTextColour(c_.parameterLetters[i], TextColour::WindowText);
    }
    for (std::size_t i = 0; i < resultOverlays.size(); ++i)
        c_.resultLetters[i] = overlay(resultOverlays[i]);
}

void Builder::runControls() {
    c_.startButton = named(new QPushButton(texts::startCaption, area_), "startButton");
    c_.startButton->setFont(fonts::times12Bold());
    setTip(c_.startButton, QStringLiteral("Запуск (остановка) установки"));
    inKeyboardOrder(0, c_.startButton);

    c_.magnifierButton = named(new QPushButton(QStringLiteral("ЛУПА"), area_), "magnifierButton");
    c_.magnifierButton->setFont(fonts::times12Bold());
    setTip(c_.magnifierButton, QStringLiteral("Увеличение масштаба просмотра до 10 раз"));
    inKeyboardOrder(30, c_.magnifierButton);

    c_.resultsFileBox = named(new QCheckBox(QStringLiteral("Файл"), area_), "resultsFileBox");
    c_.resultsFileBox->setFont(fonts::times1125());
    setTip(c_.resultsFileBox, QStringLiteral("Вывод результатов на печать"));
    inKeyboardOrder(75, c_.resultsFileBox);

    c_.slowDownBar = scrollBar("slowDownBar", Qt::Horizontal, "замедление времени");
    inKeyboardOrder(20, c_.slowDownBar);

    c_.slowDownLabel = label("slowDownLabel", QString(), fonts::times12());
    c_.slowDownLabel->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    bordered(c_.slowDownLabel);
    setBackground(c_.slowDownLabel, Qt::white);
    setTextColour(c_.slowDownLabel, TextColour::Black);
    setTip(c_.slowDownLabel, QStringLiteral("Замедление времени"));

    c_.magnifierZoomBar = scrollBar("magnifierZoomBar", Qt::Horizontal, "увеличение лупы");
    inKeyboardOrder(31, c_.magnifierZoomBar);
}

void Builder::viewChoice() {
    c_.viewFrame = named(new QGroupBox(QStringLiteral("Графики"), area_), "viewFrame");
    c_.viewFrame->setFont(fonts::times1125());
    setTip(c_.viewFrame, QStringLiteral("Выбор показа графика"));

    const auto option = [this](const char* name, const QString& caption, const QString& tip,
                               const QRect& box, int tabIndex) {
        auto* button = named(new QRadioButton(caption, c_.viewFrame), name);
        button->setFont(fonts::times1125());
        button->setGeometry(box);
        setTip(button, tip);
        inKeyboardOrder(tabIndex, button);
        return button;
    };
    c_.animationOption =
        option("animationOption", QStringLiteral("анимация"),
               QStringLiteral("Анимация движения (траектория)"), QRect(3, 17, 81, 20), 34);
    c_.graphsOption = option(
        "graphsOption", QStringLiteral("X,Vx,W(t)"),
        QStringLiteral("Зависимости координаты, проекции скорости и полной энергии от времени"),
        QRect(3, 37, 88, 20), 35);
    c_.animationOption->setChecked(true);
}

void Builder::plotPanels() {
    c_.planePanel = pictureBox("planePanel", Qt::white, "Плоскость Y-X график", "плоскость Y-X");
    c_.animationPanel =
        pictureBox("animationPanel", QApplication::palette().color(QPalette::Button),
                   "Анимация движения", "анимация движения шара на пружине");
    c_.displacementPanel =
        pictureBox("displacementPanel", Qt::white,
                   "Зависимость смещения от положения равновесия от времени. Слева - масштаб",
                   "график смещения X(t)");
    c_.velocityPanel = pictureBox("velocityPanel", Qt::white,
                                  "Зависимость проекции скорости от времени. Слева - масштаб",
                                  "график скорости Vx(t)");
    c_.energyPanel =
        pictureBox("energyPanel", Qt::white,
                   "Зависимость полной энергии от времени. Слева - масштаб", "график энергии W(t)");

    c_.displacementZoomBar = scrollBar("displacementZoomBar", Qt::Vertical, "масштаб графика X(t)");
    c_.velocityZoomBar = scrollBar("velocityZoomBar", Qt::Vertical, "масштаб графика Vx(t)");
    c_.energyZoomBar = scrollBar("energyZoomBar", Qt::Vertical, "масштаб графика W(t)");
    inKeyboardOrder(38, c_.displacementZoomBar);
    inKeyboardOrder(39, c_.velocityZoomBar);
    inKeyboardOrder(73, c_.energyZoomBar);
}

void Builder::keyboardOrder() {
    std::stable_sort(tabStops_.begin(), tabStops_.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 1; i < tabStops_.size(); ++i)
        QWidget::setTabOrder(tabStops_[i - 1].second, tabStops_[i].second);
}

MainControls Builder::build() {
    headings();
    parameterRows();
    resultRows();
    greekOverlays();
    runControls();
    viewChoice();
    plotPanels();
    keyboardOrder();
    alignCaptionsWithFields(c_);
    return c_;
}

} // namespace

MainControls buildMainControls(QWidget* clientArea) {
    return Builder(clientArea).build();
}

} // namespace trelvix
