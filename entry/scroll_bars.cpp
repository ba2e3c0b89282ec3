#include "entry/scroll_bars.h"

#include "entry/entry_host.h"

#include <QKeyEvent>
#include <QScrollBar>
#include <QWidget>
#include <algorithm>
#include <cstdlib>
#include <iterator>

namespace trelvix {

namespace {

struct ScrollBarRule {
    const char* name;
    int minimum;
    int maximum;
    int position; // at start; agrees with the initial value of its quantity
    void (*store)(Experiment&, int value);
    // The label that shows the value as a plain number, if any.
    const char* captionLabel;
    // The slow-down factor takes effect at the next step of a run and redraws nothing, so the
    // curves of a run stay; a new zoom needs new scales and axes.
    bool redraws;
    void (ScrollBars::*handler)();
};

const ScrollBarRule scrollBarRules[] = {
    {"HScroll1", 1, 9, 1, [](Experiment& e, int v) { e.zamedlenie = v; }, "Label21", false,
     &ScrollBars::HScroll1_Change},
    {"HScroll2", 1, 10, 1, [](Experiment& e, int v) { e.masshtab_1 = v; }, nullptr, true,
     &ScrollBars::HScroll2_Change},
    {"VScroll1", -20, 20, 1, [](Experiment& e, int v) { e.masshtab_3 = zoomFactor(v); }, nullptr,
     true, &ScrollBars::VScroll1_Change},
    {"VScroll2", -20, 20, 1, [](Experiment& e, int v) { e.masshtab_4 = zoomFactor(v); }, nullptr,
     true, &ScrollBars::VScroll2_Change},
    {"VScroll3", -100, 100, 0, [](Experiment& e, int v) { e.masshtab_6 = toSingle(zoomFactor(v)); },
     nullptr, true, &ScrollBars::VScroll3_Change},
};

// Left and Right move a horizontal scroll bar the way they point, towards the minimum at the
// left and the maximum at the right.  Qt inverts the keys of every scroll bar, which is right
// for a vertical one and for Up, Down, Page Up, Page Down and the wheel on a horizontal one (Down
// and Page Down go towards the maximum, as on the desktop's own scroll bars) but turns Left and
// Right round.
class PointingArrowKeys : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) return false;
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key != Qt::Key_Left && key != Qt::Key_Right) return false;
        static_cast<QScrollBar*>(watched)->triggerAction(
            key == Qt::Key_Left ? QAbstractSlider::SliderSingleStepSub
                                : QAbstractSlider::SliderSingleStepAdd);
        return true;
    }
};

} // namespace

double zoomFactor(int value) {
    if (value < 0) return 1.0 / std::abs(value);
    if (value == 0) return 1;
    return value;
}

void configureScrollBar(QScrollBar& bar, int minimum, int maximum, int position) {
    bar.setRange(minimum, maximum);
    bar.setValue(position);
    bar.setSingleStep(1);
    bar.setPageStep(1);
    if (bar.orientation() == Qt::Horizontal) bar.installEventFilter(new PointingArrowKeys(&bar));
    // valueChanged then comes after an arrow, the track, a key or the wheel at once, and after a
    // drag only when the thumb is released (sliderReleased would come before the value is set).
    bar.setTracking(false);
}

ScrollBars::ScrollBars(EntryHost& host, QObject* parent) : QObject(parent), host_(host) {}

QStringList ScrollBars::connectScrollBars(QWidget* form) {
    QStringList missing;
    for (const ScrollBarRule& rule : scrollBarRules) {
        auto* bar = form->findChild<QScrollBar*>(rule.name);
        if (!bar) {
            missing << rule.name;
            continue;
        }
        bars_.insert(rule.name, bar);
        configureScrollBar(*bar, rule.minimum, rule.maximum, rule.position);
        connect(bar, &QScrollBar::valueChanged, this, rule.handler, Qt::UniqueConnection);
    }
    return missing;
}

void ScrollBars::change(QStringView name) {
    const QScrollBar* bar = bars_.value(name.toString());
    if (!bar) return;
    const auto rule =
        std::find_if(std::begin(scrollBarRules), std::end(scrollBarRules),
                     [name](const ScrollBarRule& r) { return name == QLatin1StringView(r.name); });
    const int value = bar->value();
    rule->store(host_.experiment(), value);
    if (rule->captionLabel) host_.setCaption(rule->captionLabel, QString::number(value));
    if (rule->redraws) host_.Form_Resize();
}

} // namespace trelvix
