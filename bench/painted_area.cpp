#include "painted_area.h"

#include <QApplication>
#include <QPaintEvent>
#include <QWidget>

namespace trelvix::bench {

PaintedArea::PaintedArea(QWidget* window) : window_(window) {
    qApp->installEventFilter(this);
}

PaintedArea::~PaintedArea() {
    qApp->removeEventFilter(this);
}

bool PaintedArea::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::Paint || !watched->isWidgetType()) return false;
    auto* widget = static_cast<QWidget*>(watched);
    if (widget != window_ && !window_->isAncestorOf(widget)) return false;
    for (const QRect& rect : static_cast<QPaintEvent*>(event)->region())
        pixels_ += double(rect.width()) * rect.height();
    return false;
}

} // namespace trelvix::bench
