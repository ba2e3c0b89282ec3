#pragma once

// Where a window of the program opens: always inside the part of the screen that windows may
// use (the desktop's panels left out), so that a small screen or a wide main window never puts
// one of them out of reach.

#include <QRect>
#include <QSize>

class QWidget;

namespace trelvix {

enum class WindowPlacement {
    Beside,  // to the right of the main window, else to its left, else over it at its right edge
    Centred, // centred over the main window
};

// The frame rectangle of a window of frame size `size` placed against the main window's frame
// `main`, inside `available`.  A window larger than `available` is cut down to it.
QRect placeWindow(const QRect& available, const QRect& main, QSize size, WindowPlacement placement);

// Moves (and, if the screen is too small for it, shrinks) `window` as placeWindow() says, on the
// screen of `main`; a window not yet shown is taken to get the frame `main` has.
void placeByMainWindow(QWidget* window, const QWidget* main, WindowPlacement placement);

} // namespace trelvix
