#include "shell/widgets/window_placement.h"

#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace trelvix {

namespace {

// The left edge of a window of `width` beside `main`: on its right where the window fits, on its
// left where it fits there, otherwise against the right edge of the usable area, over the main
// window's right part (where the plots are, not the parameter fields).
int besideLeft(const QRect& available, const QRect& main, int width) {
    if (main.right() + 1 + width <= available.right() + 1) return main.right() + 1;
    if (main.left() - width >= available.left()) return main.left() - width;
    return available.right() + 1 - width;
}

int clampInto(int start, int length, int areaStart, int areaLength) {
    return std::clamp(start, areaStart, areaStart + std::max(areaLength - length, 0));
}

} // namespace

QRect placeWindow(const QRect& available, const QRect& main, QSize size,
                  WindowPlacement placement) {
    size = size.boundedTo(available.size());
    QPoint topLeft = placement == WindowPlacement::Beside
                         ? QPoint(besideLeft(available, main, size.width()), main.top())
                         : main.topLeft() + QPoint((main.width() - size.width()) / 2,
                                                   (main.height() - size.height()) / 2);
    topLeft.setX(clampInto(topLeft.x(), size.width(), available.left(), available.width()));
    topLeft.setY(clampInto(topLeft.y(), size.height(), available.top(), available.height()));
    return {topLeft, size};
}

void placeByMainWindow(QWidget* window, const QWidget* main, WindowPlacement placement) {
    const QScreen* screen = main->screen();
    if (!screen) return;
    const QSize frameExtra = main->frameGeometry().size() - main->size();
    const QSize windowExtra =
        window->isVisible() ? window->frameGeometry().size() - window->size() : frameExtra;
    const QRect frame = placeWindow(screen->availableGeometry(), main->frameGeometry(),
                                    window->size() + windowExtra, placement);
    window->resize(frame.size() - windowExtra);
    window->move(frame.topLeft());
}

} // namespace trelvix
