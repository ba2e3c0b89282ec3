#pragma once

// The five scroll bars of the main window: the slow-down factor of a run (HScroll1), the zoom of
// the magnifier (HScroll2) and the vertical zoom of the three time graphs (VScroll1 … 3).

#include <QObject>
#include <QStringList>

class QScrollBar;
class QWidget;

namespace trelvix {

class EntryHost;

// The zoom factor of a graph scroll bar at `value`: 1/|value| below zero, 1 at zero, `value`
// above, so that -1, 0 and 1 all give the natural scale.
double zoomFactor(int value);

// Range, position and steps of a scroll bar: an arrow, a click on the track or a key moves it
// by 1, the arrow keys move the thumb the way they point (the minimum stays at the left or the
// top; Down and Page Down go towards the maximum on both kinds), and a dragged thumb reports its
// value only when released.  The key filter is installed once, however often a bar is configured.
void configureScrollBar(QScrollBar& bar, int minimum, int maximum, int position);

class ScrollBars : public QObject {
    Q_OBJECT
public:
    explicit ScrollBars(EntryHost& host, QObject* parent = nullptr);

    // Finds the five scroll bars among the children of `form` by their object names, gives
    // each its range and starting position, and on every change of its value stores the
    // setting it controls and redraws what depends on it.  Returns the names of the scroll bars
    // that were not found.
    QStringList connectScrollBars(QWidget* form);

private:
    EntryHost& host_;
};

} // namespace trelvix
