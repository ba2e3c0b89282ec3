#include "shell/main_window/layout.h"

#include "entry/input_table.h"
#include "shell/main_window/control_inventory.h"
#include "shell/main_window/main_controls.h"
#include "shell/widgets/picture_box.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <algorithm>
#include <cmath>

namespace trelvix {

namespace {

constexpr double margin = 4;       // d: margin between controls and at the window edge
constexpr double columnWidth = 80; // w: column width
constexpr double rowHeight = rowHeightOfTheRightBlock; // h: row height

// A rectangle in exact (fractional) pixels.
struct Box {
    double left;
    double top;
    double width;
    double height;
    double right() const { return left + width; }
    double bottom() const { return top + height; }
};

int pixel(double x) {
    return static_cast<int>(std::floor(x + 0.5));
}

QRect pixels(const Box& b) {
    const int left = pixel(b.left);
    const int top = pixel(b.top);
    const int right = pixel(b.left + std::max(0.0, b.width));
    const int bottom = pixel(b.top + std::max(0.0, b.height));
    return QRect(left, top, right - left, bottom - top);
}

template <auto member> QWidget* single(const MainControls& c, std::size_t) {
    return c.*member;
}
QWidget* caption(const MainControls& c, std::size_t i) {
    return c.captions[i];
}
QWidget* field(const MainControls& c, std::size_t i) {
    return c.fields[i];
}
QWidget* result(const MainControls& c, std::size_t i) {
    return c.results[i];
}
QWidget* parameterLetter(const MainControls& c, std::size_t i) {
    return c.parameterLetters[i];
}
QWidget* resultLetter(const MainControls& c, std::size_t i) {
    return c.resultLetters[i];
}
using M = MainControls;

class Placer {
public:
    explicit Placer(Layout& layout) : layout_(layout) {}

    void place(const char* name, ControlRef control, const Box& box) {
        layout_.placements.push_back({name, control, pixels(box)});
        boxes_.push_back(box);
    }

    const Box& box(std::string_view name) const {
        for (std::size_t i = 0; i < boxes_.size(); ++i)
            if (layout_.placements[i].name == name) return boxes_[i];
        return empty_;
    }

private:
    Layout& layout_;
    std::vector<Box> boxes_;
    Box empty_{0, 0, 0, 0};
};

const char* partnerName(Input input) {
    return inputRow(input).captionName;
}
const char* partnerName(Result row) {
    return resultRows[static_cast<std::size_t>(row)].name;
}

template <typename Partner, std::size_t N>
void placeOverlays(Placer& placer, const std::array<GreekOverlay<Partner>, N>& overlays,
                   ControlRef::Pick letter) {
    for (std::size_t i = 0; i < N; ++i) {
        const GreekOverlay<Partner>& o = overlays[i];
        const Box& partner = placer.box(partnerName(o.partner));
        placer.place(o.name, {letter, i},
                     {partner.left + o.indent, partner.top - o.lift, double(o.width), rowHeight});
    }
}

// Headings, the twelve parameter rows and the fifteen result rows, on the grid anchored to the
// right edge: column A (captions), B (fields), C (results); row r at d + r·(h + d).
Box placeRows(Placer& placer, double SW) {
    const double d = margin, w = columnWidth, h = rowHeight;
    const Box parametersBox{SW - 2 * (2 * w) - 2 * d, d, 2 * w, h};
    placer.place("parametersHeading", {single<&M::parametersHeading>}, parametersBox);

    const double firstRowTop = parametersBox.top + h + d;
    Box caption{};
    for (std::size_t i = 0; i < inputTable().size(); ++i) {
        caption = {parametersBox.left, firstRowTop + double(i) * (h + d), w, h};
        placer.place(inputTable()[i].captionName, {trelvix::caption, i}, caption);
        placer.place(inputTable()[i].fieldName, {field, i}, {caption.right(), caption.top, w, h});
    }
    placeOverlays(placer, parameterOverlays, parameterLetter);

    const Box characteristicsBox{parametersBox.right() + d, d, 2 * w, h};
    placer.place("characteristicsHeading", {single<&M::characteristicsHeading>},
                 characteristicsBox);
    for (std::size_t i = 0; i < resultRows.size(); ++i)
        placer.place(resultRows[i].name, {result, i},
                     {characteristicsBox.left, d + double(i + 1) * (h + d), 2 * w, h});
    placeOverlays(placer, resultOverlays, resultLetter);

    return caption; // the last parameter row's caption, under which the run controls stand
}

void placeRunControls(Placer& placer, const Box& lastCaption) {
    const double d = margin, w = columnWidth, h = rowHeight;
    const Box slowDownBox{lastCaption.left, lastCaption.bottom() + 2 * d, w - d, h / 2};
    const double slowDownLabelWidth = w / 4;
    const Box slowDownLabelBox{slowDownBox.left + slowDownBox.width / 2 - slowDownLabelWidth / 2 +
                                   6,
                               slowDownBox.bottom(), slowDownLabelWidth, h};
    const Box zoomBarBox{slowDownBox.right() + 2 * d, slowDownBox.top, w - d, h / 2};
    const Box magnifierButtonBox{zoomBarBox.left + 1.5 * d, zoomBarBox.bottom(), 0.8 * w, h};
    const Box viewFrameBox{slowDownBox.left, slowDownLabelBox.bottom() + d, 1.16 * w, 2.4 * h};
    const Box startButtonBox{viewFrameBox.right() + d, viewFrameBox.top, 0.8 * w, h};
    const Box fileBox{startButtonBox.left, startButtonBox.bottom() + d, 0.8 * w, h};

    placer.place("slowDownBar", {single<&M::slowDownBar>}, slowDownBox);
    placer.place("slowDownLabel", {single<&M::slowDownLabel>}, slowDownLabelBox);
    placer.place("magnifierZoomBar", {single<&M::magnifierZoomBar>}, zoomBarBox);
    placer.place("magnifierButton", {single<&M::magnifierButton>}, magnifierButtonBox);
    placer.place("viewFrame", {single<&M::viewFrame>}, viewFrameBox);
    placer.place("startButton", {single<&M::startButton>}, startButtonBox);
    placer.place("resultsFileBox", {single<&M::resultsFileBox>}, fileBox);
}

// The Y-X plane and the animation share the left area; the three time graphs split its height
// into three bands, each with its zoom scroll bar at the left.
void placePlots(Placer& placer, double SH, const Box& parametersBox) {
    const double d = margin, h = rowHeight;
    const Box planeBox{d, d, parametersBox.left - 2 * d, SH - 2 * d};
    const Box displacementBarBox{d, d, h / 2, planeBox.height / 3 - d};
    const Box displacementBox{displacementBarBox.right(), d,
                              planeBox.width - displacementBarBox.width - d,
                              displacementBarBox.height};
    const Box velocityBarBox{d, displacementBarBox.height + 2 * d, displacementBarBox.width,
                             displacementBox.height};
    const Box energyBarBox{d, 2 * velocityBarBox.height + 3 * d, displacementBarBox.width,
                           displacementBox.height};

    placer.place("planePanel", {single<&M::planePanel>}, planeBox);
    placer.place("animationPanel", {single<&M::animationPanel>}, planeBox);
    placer.place("displacementZoomBar", {single<&M::displacementZoomBar>}, displacementBarBox);
    placer.place("displacementPanel", {single<&M::displacementPanel>}, displacementBox);
    placer.place("velocityZoomBar", {single<&M::velocityZoomBar>}, velocityBarBox);
    placer.place(
        "velocityPanel", {single<&M::velocityPanel>},
        {displacementBox.left, velocityBarBox.top, displacementBox.width, displacementBox.height});
    placer.place("energyZoomBar", {single<&M::energyZoomBar>}, energyBarBox);
    placer.place(
        "energyPanel", {single<&M::energyPanel>},
        {displacementBox.left, energyBarBox.top, displacementBox.width, displacementBox.height});
}

} // namespace

void Layout::apply(const MainControls& controls) const {
    for (const Placement& p : placements)
        p.control.in(controls)->setGeometry(p.rect);
}

QRect Layout::rect(std::string_view name) const {
    for (const Placement& p : placements)
        if (p.name == name) return p.rect;
    return {};
}

Layout layoutFor(QSize client) {
    Layout layout;
    Placer placer(layout);
    const Box lastCaption = placeRows(placer, client.width());
    placeRunControls(placer, lastCaption);
    placePlots(placer, client.height(), placer.box("parametersHeading"));

    layout.plots = graphics::layoutForPlane(layout.rect("planePanel").size());
    return layout;
}

} // namespace trelvix
