#include "shell/main_controls.h"

#include "entry/input_table.h"
#include "shell/assets.h"
#include "shell/control_inventory.h"
#include "shell/control_style.h"
#include "shell/picture_box.h"
#include "shell/window_texts.h"

#include <QApplication>
#include <QCheckBox>
#include <QFontMetrics>
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
// overlay is created after its partner and so lies above it, as Picture2 lies above Picture1.
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
    void bitmapHolders();
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

// A single sunken border; the text keeps a few pixels from it at the top and the left.
void bordered(QLabel* label) {
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setLineWidth(1);
    label->setIndent(4);
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
    c_.Label10 = heading("Label10", "Параметры задачи", fonts::times12Bold(), "Параметры задачи");
    c_.Label11 =
        heading("Label11", "Характеристики", fonts::times1125Bold(), "Характеристики движения");
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

        auto* field =
            named(new QLineEdit(QString::fromLatin1(row.fieldName), area_), row.fieldName);
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
        QLabel* result = label(row.name, QString::fromLatin1(row.name), fonts::times12());
        bordered(result);
        setBackground(result, colours::resultCyan);
        setTextColour(result, row.colour);
        setTip(result, QString::fromUtf8(row.tooltip));
        c_.*row.label = result;
    }
}

// The overlays are transparent: the blanks beneath them are empty anyway, and the first letter
// after them (the o of ρo) stays whole.  A font with Unicode Greek has other proportions than
// the letter shapes the overlay sizes were made for, so each letter is pushed down inside its
// overlay until its baseline meets the baseline of the caption beneath it.
void Builder::greekOverlays() {
    const auto overlay = [this](const GreekOverlay& o) {
        const QLabel* partner = area_->findChild<QLabel*>(QString::fromLatin1(o.partner));
        QLabel* letter = label(o.name, QString::fromUtf8(o.letter), fonts::greekLetters());
        letter->resize(o.width, letter->height());
        letter->setPalette(partner->palette());
        letter->setAutoFillBackground(false);
        // The letter is part of its partner's caption: the mouse over it shows the partner's
        // tooltip.
        letter->setAttribute(Qt::WA_TransparentForMouseEvents);
        const int partnerBaseline = partner->contentsRect().top() + std::max(0, partner->indent()) +
                                    QFontMetrics(partner->font()).ascent();
        const int drop = o.lift + partnerBaseline - QFontMetrics(letter->font()).ascent();
        letter->setContentsMargins(0, std::max(0, drop), 0, 0);
        c_.*o.label = letter;
        return letter;
    };
    for (const GreekOverlay& o : parameterOverlays)
        setTextColour(overlay(o), TextColour::WindowText);
    for (const GreekOverlay& o : resultOverlays)
        overlay(o);
}

void Builder::runControls() {
    c_.CmdOK = named(new QPushButton(texts::startCaption, area_), "CmdOK");
    c_.CmdOK->setFont(fonts::times12Bold());
    setTip(c_.CmdOK, QStringLiteral("Запуск (остановка) установки"));
    inKeyboardOrder(0, c_.CmdOK);

    c_.Command1 = named(new QPushButton(QStringLiteral("ЛУПА"), area_), "Command1");
    c_.Command1->setFont(fonts::times12Bold());
    setTip(c_.Command1, QStringLiteral("Увеличение масштаба просмотра до 10 раз"));
    inKeyboardOrder(30, c_.Command1);

    c_.Check_p = named(new QCheckBox(QStringLiteral("Файл"), area_), "Check_p");
    c_.Check_p->setFont(fonts::times1125());
    setTip(c_.Check_p, QStringLiteral("Вывод результатов на печать"));
    inKeyboardOrder(75, c_.Check_p);

    c_.HScroll1 = scrollBar("HScroll1", Qt::Horizontal, "замедление времени");
    inKeyboardOrder(20, c_.HScroll1);

    c_.Label21 = label("Label21", QStringLiteral("label21"), fonts::times12());
    c_.Label21->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    bordered(c_.Label21);
    setBackground(c_.Label21, Qt::white);
    setTextColour(c_.Label21, TextColour::Black);
    setTip(c_.Label21, QStringLiteral("Замедление времени"));

    c_.HScroll2 = scrollBar("HScroll2", Qt::Horizontal, "увеличение лупы");
    inKeyboardOrder(31, c_.HScroll2);
}

void Builder::viewChoice() {
    c_.Frame1 = named(new QGroupBox(QStringLiteral("Графики"), area_), "Frame1");
    c_.Frame1->setFont(fonts::times1125());
    setTip(c_.Frame1, QStringLiteral("Выбор показа графика"));

    const auto option = [this](const char* name, const QString& caption, const QString& tip,
                               const QRect& box, int tabIndex) {
        auto* button = named(new QRadioButton(caption, c_.Frame1), name);
        button->setFont(fonts::times1125());
        button->setGeometry(box);
        setTip(button, tip);
        inKeyboardOrder(tabIndex, button);
        return button;
    };
    c_.Option1 = option("Option1", QStringLiteral("анимация"),
                        QStringLiteral("Анимация движения (траектория)"), QRect(3, 17, 81, 20), 34);
    c_.Option2 = option(
        "Option2", QStringLiteral("X,Vx,W(t)"),
        QStringLiteral("Зависимости координаты, проекции скорости и полной энергии от времени"),
        QRect(3, 37, 88, 20), 35);
    c_.Option1->setChecked(true);
}

void Builder::plotPanels() {
    c_.Picture1 = pictureBox("Picture1", Qt::white, "Плоскость Y-X график", "плоскость Y-X");
    c_.Picture2 = pictureBox("Picture2", QApplication::palette().color(QPalette::Button),
                             "Анимация движения", "анимация движения шара на пружине");
    c_.Picture3 =
        pictureBox("Picture3", Qt::white,
                   "Зависимость смещения от положения равновесия от времени. Слева - масштаб",
                   "график смещения X(t)");
    c_.Picture4 = pictureBox("Picture4", Qt::white,
                             "Зависимость проекции скорости от времени. Слева - масштаб",
                             "график скорости Vx(t)");
    c_.Picture6 =
        pictureBox("Picture6", Qt::white, "Зависимость полной энергии от времени. Слева - масштаб",
                   "график энергии W(t)");

    c_.VScroll1 = scrollBar("VScroll1", Qt::Vertical, "масштаб графика X(t)");
    c_.VScroll2 = scrollBar("VScroll2", Qt::Vertical, "масштаб графика Vx(t)");
    c_.VScroll3 = scrollBar("VScroll3", Qt::Vertical, "масштаб графика W(t)");
    inKeyboardOrder(38, c_.VScroll1);
    inKeyboardOrder(39, c_.VScroll2);
    inKeyboardOrder(73, c_.VScroll3);
}

void Builder::bitmapHolders() {
    const auto holder = [this](const char* name, const QRect& box) {
        QLabel* l = named(new QLabel(area_), name);
        l->setPixmap(assets::menuPicture(QString::fromLatin1(name)));
        l->setGeometry(box);
        return l;
    };
    c_.Picture5 = holder("Picture5", QRect(464, 400, 41, 33));
    c_.Picture8 = holder("Picture8", QRect(368, 400, 32, 32));
    c_.Picture9 = holder("Picture9", QRect(456, 448, 32, 32));
    c_.Picture10 = holder("Picture10", QRect(416, 400, 32, 32));
    c_.Picture11 = holder("Picture11", QRect(496, 448, 32, 32));
    c_.Picture12 = holder("Picture12", QRect(416, 448, 32, 32));
    c_.Picture13 = holder("Picture13", QRect(368, 448, 32, 32));
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
    bitmapHolders();
    keyboardOrder();
    return c_;
}

} // namespace

MainControls buildMainControls(QWidget* clientArea) {
    return Builder(clientArea).build();
}

} // namespace trelvix
