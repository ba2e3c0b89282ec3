#include "entry/scroll_bars.h"

#include "entry/entry_host.h"
#include "model/single_precision.h"

#include <QKeyEvent>
#include <QScrollBar>
#include <QWidget>
#include <algorithm>
#include <cstdlib>

namespace trelvix {

namespace {

struct ScrollBarRule {
    ScrollBarRole role;
    int minimum;
    int maximum;
    int position; // at start; agrees with the initial value of its setting
    void (*store)(ViewSettings&, int value);
    // Whether the value is shown beside the bar (the slow-down factor).
    bool shownAsNumber;
    // The slow-down factor takes effect at the next step of a run and redraws nothing, so the
    // curves of a run stay; a new zoom needs new scales and axes.
    ViewChange change;
};

using enum ScrollBarRole;
const ScrollBarRule scrollBarRules[] = {
    {slowDown, 1, 9, 1, [](ViewSettings& v, int x) { v.slowDown = x; }, true, ViewChange::Pace},
    {magnifierZoom, 1, 10, 1, [](ViewSettings& v, int x) { v.magnifierZoom = x; }, false,
     ViewChange::Scales},
    {displacementZoom, -20, 20, 1,
     [](ViewSettings& v, int x) { v.displacementZoom = zoomFactor(x); }, false, ViewChange::Scales},
    {velocityZoom, -20, 20, 1, [](ViewSettings& v, int x) { v.velocityZoom = zoomFactor(x); },
     false, ViewChange::Scales},
    {energyZoom, -100, 100, 0,
     [](ViewSettings& v, int x) { v.energyZoom = toSingle(zoomFactor(x)); }, false,
     ViewChange::Scales},
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
    const auto hasFilter =
        std::any_of(bar.children().begin(), bar.children().end(),
                    [](QObject* child) { return dynamic_cast<PointingArrowKeys*>(child); });
    if (bar.orientation() == Qt::Horizontal && !hasFilter)
        bar.installEventFilter(new PointingArrowKeys(&bar));
    // valueChanged then comes after an arrow, the track, a key or the wheel at once, and after a
    // drag only when the thumb is released (sliderReleased would come before the value is set).
    bar.setTracking(false);
}

ScrollBars::ScrollBars(EntryHost& host, QObject* parent) : QObject(parent), host_(host) {}

void ScrollBars::connectScrollBars(const ScrollBarSet& bars) {
    for (const ScrollBarRule& rule : scrollBarRules) {
        QScrollBar* bar = bars[static_cast<std::size_t>(rule.role)];
        configureScrollBar(*bar, rule.minimum, rule.maximum, rule.position);
        connect(bar, &QScrollBar::valueChanged, this, [this, &rule](int value) {
            ViewSettings view = host_.viewSettings();
            rule.store(view, value);
            host_.setViewSettings(view, rule.change);
            if (rule.shownAsNumber) host_.showSlowDown(value);
        });
    }
}

} // namespace trelvix
