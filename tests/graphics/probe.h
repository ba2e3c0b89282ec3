#pragma once

// Looking at drawn images the way a person would: the colour at a place of the plot, how many
// pixels of a colour an area holds, whether a label reads a given text.

#include "graphics/plot_frames.h"
#include "graphics/plot_layout.h"
#include "graphics/surface.h"
#include "graphics/surfaces.h"
#include "model/experiment.h"

#include <QColor>
#include <QRect>
#include <QString>

namespace probe {

// The colours of the plots as the user sees them.
inline const QColor lightGreen{128, 255, 128}; // grid lines
inline const QColor black{0, 0, 0};            // axes, spring, ball outline
inline const QColor red{255, 0, 0};            // equilibrium line, traces, crank pin
inline const QColor grey{128, 128, 128};       // wheel and ball
inline const QColor brown{128, 64, 0};         // crank rod
inline const QColor pureGreen{0, 255, 0};      // never copied into the animation

using trelvix::graphics::Surface;

// The six panels at the sizes a 700 × 504 main window gives them: the plane and the animation
// 364 × 496, the time graphs 347 × 161, the magnifier 250 × 250.  The animation's background
// is the grey of a button face.
struct Panels {
    Surface plane, scene, displacement, velocity, energy, magnifier;
    Panels();
    trelvix::graphics::Surfaces all();
    trelvix::graphics::PlotLayout layout() const;
};

// Panels redrawn for `e` with "," as decimal separator.  A default-constructed Experiment is the
// one the window has after start-up.
struct Redrawn {
    trelvix::Experiment e;
    Panels panels;
    trelvix::graphics::PlotFrames frames;
    explicit Redrawn(const trelvix::Experiment& experiment);
};

// The colour at the pixel under a user point (the pixel containing its image).
QColor colourAt(const Surface& s, QPointF user);
// The pixel under a user point.
QPoint pixelOf(const Surface& s, QPointF user);
// How many pixels of exactly `colour` lie in `area` (pixels, cut to the image).
int count(const Surface& s, const QRect& area, const QColor& colour);
// Whether any pixel in `area` has exactly `colour`.
bool contains(const Surface& s, const QRect& area, const QColor& colour);
// How many pixels in `area` differ from the background colour.
int inked(const Surface& s, const QRect& area);
// The columns (or rows) of the image holding at least `minimum` pixels of `colour`.
QList<int> columnsOf(const Surface& s, const QColor& colour, int minimum);
QList<int> rowsOf(const Surface& s, const QColor& colour, int minimum);

// Whether the lines found (columns or rows) are the ones expected, each within a pixel.
bool sameLines(const QList<int>& found, const QList<int>& expected);

// How far the label at the user point `anchor` (its top-left corner) differs from `text` drawn
// alone on a blank image: the ink that differs, as a fraction of the text's ink.  Grid lines
// under the label do not count; pixels in `ignore` are left out, for an axis under the label.
double textMismatch(const Surface& panel, QPointF anchor, const QString& text,
                    const QRect& ignore = {});
// Whether the label reads `text`: a mismatch of well under one glyph stroke.
bool showsText(const Surface& panel, QPointF anchor, const QString& text, const QRect& ignore = {});

} // namespace probe
