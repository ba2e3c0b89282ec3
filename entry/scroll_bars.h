#pragma once

// The five scroll bars of the main window: the slow-down factor of a run, the zoom of the
// magnifier and the vertical zoom of each of the three time graphs.

#include <QObject>
#include <array>

class QScrollBar;

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

// The scroll bars in the order the window passes them to connectScrollBars.
enum class ScrollBarRole { slowDown, magnifierZoom, displacementZoom, velocityZoom, energyZoom };
using ScrollBarSet = std::array<QScrollBar*, 5>;

class ScrollBars : public QObject {
    Q_OBJECT
public:
    explicit ScrollBars(EntryHost& host, QObject* parent = nullptr);

    // Gives each bar (in the order of ScrollBarRole) its range and starting position, and on
    // every change of its value stores the setting it controls.
    void connectScrollBars(const ScrollBarSet& bars);

private:
    EntryHost& host_;
};

} // namespace trelvix
