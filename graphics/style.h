#pragma once

// The colours and the lettering of every plot, the animation and the magnifier.

#include <QColor>
#include <QFont>

namespace trelvix::graphics {

inline const QColor gridColour{128, 255, 128};  // grid lines: light green
inline const QColor axisColour{0, 0, 0};        // axes, spring, ball outline: black
inline const QColor traceColour{255, 0, 0};     // equilibrium line, traces, crank pin: red
inline const QColor wheelColour{128, 128, 128}; // wheel and ball fill: grey
inline const QColor crankColour{128, 64, 0};    // crank rod: brown
inline const QColor transparentKey{0, 255, 0};  // left out by the background copy: pure green

// The labels of all panels and of the magnifier: the carried serif at 11.25 pt.
QFont panelFont();

} // namespace trelvix::graphics
