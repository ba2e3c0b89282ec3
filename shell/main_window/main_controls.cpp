#include "shell/main_window/main_controls.h"

#include "entry/input_table.h"
#include "shell/main_window/caption_alignment.h"
#include "shell/main_window/control_inventory.h"
#include "shell/main_window/control_texts.h"
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

    QLabel* label(const char* name, const QFont& font);
    QScrollBar* scrollBar(const char* name, Qt::Orientation orientation);
    PictureBox* pictureBox(const char* name, const QColor& background);
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
QLabel* Builder::label(const char* name, const QFont& font) {
    auto* l = named(new QLabel(area_), name);
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

QScrollBar* Builder::scrollBar(const char* name, Qt::Orientation orientation) {
    return named(new QScrollBar(orientation, area_), name);
}

PictureBox* Builder::pictureBox(const char* name, const QColor& background) {
    auto* box = named(new PictureBox(background, area_), name);
    box->setFont(fonts::times1125());
    return box;
}

void Builder::headings() {
    const auto heading = [this](const char* name, const QFont& font) {
        QLabel* l = label(name, font);
        l->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        setBackground(l, colours::formGrey);
        return l;
    };
    c_.parametersHeading = heading("parametersHeading", fonts::times12Bold());
    c_.characteristicsHeading = heading("characteristicsHeading", fonts::times1125Bold());
}

void Builder::parameterRows() {
    for (const InputRow& row : inputTable()) {
        QLabel* caption = label(row.captionName, fonts::times12());
        setBackground(caption, colours::formGrey);
        setTextColour(caption, row.captionColour);
        c_.captions[static_cast<std::size_t>(row.input)] = caption;

        auto* field = named(new QLineEdit(area_), row.fieldName);
        field->setFont(fonts::times12());
        QPalette palette = field->palette();
        palette.setColor(QPalette::Base, colours::fieldYellow);
        field->setPalette(palette);
        inKeyboardOrder(row.fieldTab, field);
        c_.fields[static_cast<std::size_t>(row.input)] = field;
    }
}

void Builder::resultRows() {
    for (const ResultRow& row : trelvix::resultRows) {
        QLabel* result = label(row.name, fonts::times12());
        bordered(result);
        setBackground(result, colours::resultCyan);
        setTextColour(result, row.colour);
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
        QLabel* letter = label(o.name, fonts::greekLetters());
        letter->setText(QString::fromUtf8(text.data(), qsizetype(text.size())));
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
    c_.startButton = named(new QPushButton(area_), "startButton");
    c_.startButton->setFont(fonts::times12Bold());
    inKeyboardOrder(0, c_.startButton);

    c_.magnifierButton = named(new QPushButton(area_), "magnifierButton");
    c_.magnifierButton->setFont(fonts::times12Bold());
    inKeyboardOrder(30, c_.magnifierButton);

    c_.resultsFileBox = named(new QCheckBox(area_), "resultsFileBox");
    c_.resultsFileBox->setFont(fonts::times1125());
    inKeyboardOrder(75, c_.resultsFileBox);

    c_.slowDownBar = scrollBar("slowDownBar", Qt::Horizontal);
    inKeyboardOrder(20, c_.slowDownBar);

    c_.slowDownLabel = label("slowDownLabel", fonts::times12());
    c_.slowDownLabel->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    bordered(c_.slowDownLabel);
    setBackground(c_.slowDownLabel, Qt::white);
    setTextColour(c_.slowDownLabel, TextColour::Black);

    c_.magnifierZoomBar = scrollBar("magnifierZoomBar", Qt::Horizontal);
    inKeyboardOrder(31, c_.magnifierZoomBar);
}

void Builder::viewChoice() {
    c_.viewFrame = named(new QGroupBox(area_), "viewFrame");
    c_.viewFrame->setFont(fonts::times1125());

    const auto option = [this](const char* name, const QRect& box, int tabIndex) {
        auto* button = named(new QRadioButton(c_.viewFrame), name);
        button->setFont(fonts::times1125());
        button->setGeometry(box);
        inKeyboardOrder(tabIndex, button);
        return button;
    };
    c_.animationOption = option("animationOption", QRect(3, 17, 81, 20), 34);
    c_.graphsOption = option("graphsOption", QRect(3, 37, 88, 20), 35);
    c_.animationOption->setChecked(true);
}

void Builder::plotPanels() {
    c_.planePanel = pictureBox("planePanel", Qt::white);
    c_.animationPanel =
        pictureBox("animationPanel", QApplication::palette().color(QPalette::Button));
    c_.displacementPanel = pictureBox("displacementPanel", Qt::white);
    c_.velocityPanel = pictureBox("velocityPanel", Qt::white);
    c_.energyPanel = pictureBox("energyPanel", Qt::white);

    c_.displacementZoomBar = scrollBar("displacementZoomBar", Qt::Vertical);
    c_.velocityZoomBar = scrollBar("velocityZoomBar", Qt::Vertical);
    c_.energyZoomBar = scrollBar("energyZoomBar", Qt::Vertical);
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
    setControlTexts(c_, false);
    alignCaptionsWithFields(c_);
    return c_;
}

} // namespace

MainControls buildMainControls(QWidget* clientArea) {
    return Builder(clientArea).build();
}

} // namespace trelvix
