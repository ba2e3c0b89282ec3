#include "shell/layout.h"

#include "entry/input_table.h"
#include "shell/control_inventory.h"

#include <algorithm>
#include <cmath>
#include <span>

namespace trelvix {

namespace {

constexpr double margin = 4;       // d: margin between controls and at the window edge
constexpr double columnWidth = 80; // w: column width
constexpr double rowHeight = 26;   // h: row height

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

class Placer {
public:
    explicit Placer(Layout& layout) : layout_(layout) {}

    void place(const char* name, const Box& box) {
        layout_.placements.push_back({name, pixels(box)});
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

void placeOverlays(Placer& placer, std::span<const GreekOverlay> overlays) {
    for (const GreekOverlay& o : overlays) {
        const Box& partner = placer.box(o.partner);
        placer.place(o.name,
                     {partner.left + o.indent, partner.top - o.lift, double(o.width), rowHeight});
    }
}

// Headings, the twelve parameter rows and the fifteen result rows, on the grid anchored to the
// right edge: column A (captions), B (fields), C (results); row r at d + r·(h + d).
Box placeRows(Placer& placer, double SW) {
    const double d = margin, w = columnWidth, h = rowHeight;
    const Box label10{SW - 2 * (2 * w) - 2 * d, d, 2 * w, h};
    placer.place("Label10", label10);

    const double firstRowTop = label10.top + h + d;
    Box caption{};
    for (std::size_t i = 0; i < inputTable().size(); ++i) {
        caption = {label10.left, firstRowTop + double(i) * (h + d), w, h};
        placer.place(inputTable()[i].captionName, caption);
        placer.place(inputTable()[i].fieldName, {caption.right(), caption.top, w, h});
    }
    placeOverlays(placer, parameterOverlays);

    const Box label11{label10.right() + d, d, 2 * w, h};
    placer.place("Label11", label11);
    for (std::size_t i = 0; i < resultRows.size(); ++i)
        placer.place(resultRows[i].name, {label11.left, d + double(i + 1) * (h + d), 2 * w, h});
    placeOverlays(placer, resultOverlays);

    return caption; // the last parameter row's caption, under which the run controls stand
}

void placeRunControls(Placer& placer, const Box& lastCaption) {
    const double d = margin, w = columnWidth, h = rowHeight;
    const Box hScroll1{lastCaption.left, lastCaption.bottom() + 2 * d, w - d, h / 2};
    const double label21Width = w / 4;
    const Box label21{hScroll1.left + hScroll1.width / 2 - label21Width / 2 + 6, hScroll1.bottom(),
                      label21Width, h};
    const Box hScroll2{hScroll1.right() + 2 * d, hScroll1.top, w - d, h / 2};
    const Box command1{hScroll2.left + 1.5 * d, hScroll2.bottom(), 0.8 * w, h};
    const Box frame1{hScroll1.left, label21.bottom() + d, 1.16 * w, 2.4 * h};
    const Box cmdOK{frame1.right() + d, frame1.top, 0.8 * w, h};
    const Box checkP{cmdOK.left, cmdOK.bottom() + d, 0.8 * w, h};

    placer.place("HScroll1", hScroll1);
    placer.place("Label21", label21);
    placer.place("HScroll2", hScroll2);
    placer.place("Command1", command1);
    placer.place("Frame1", frame1);
    placer.place("CmdOK", cmdOK);
    placer.place("Check_p", checkP);
}

// The Y-X plane and the animation share the left area; the three time graphs split its height
// into three bands, each with its zoom scroll bar at the left.
void placePlots(Placer& placer, double SH, const Box& label10) {
    const double d = margin, h = rowHeight;
    const Box picture1{d, d, label10.left - 2 * d, SH - 2 * d};
    const Box vScroll1{d, d, h / 2, picture1.height / 3 - d};
    const Box picture3{vScroll1.right(), d, picture1.width - vScroll1.width - d, vScroll1.height};
    const Box vScroll2{d, vScroll1.height + 2 * d, vScroll1.width, picture3.height};
    const Box vScroll3{d, 2 * vScroll2.height + 3 * d, vScroll1.width, picture3.height};

    placer.place("Picture1", picture1);
    placer.place("Picture2", picture1);
    placer.place("VScroll1", vScroll1);
    placer.place("Picture3", picture3);
    placer.place("VScroll2", vScroll2);
    placer.place("Picture4", {picture3.left, vScroll2.top, picture3.width, picture3.height});
    placer.place("VScroll3", vScroll3);
    placer.place("Picture6", {picture3.left, vScroll3.top, picture3.width, picture3.height});
}

} // namespace

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
    placePlots(placer, client.height(), placer.box("Label10"));

    layout.plots = graphics::layoutForPlane(layout.rect("Picture1").size());
    return layout;
}

} // namespace trelvix
