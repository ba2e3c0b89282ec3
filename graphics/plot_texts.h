#pragma once

// The texts that the plots draw on their panels, in the current language.  The Russian time unit
// in "t,c" is a Latin c.

#include <QCoreApplication>
#include <QString>

namespace trelvix::graphics {

struct PlotTexts {
    Q_DECLARE_TR_FUNCTIONS(trelvix::PlotTexts)
};

// The name of the vertical axis of the Y-X plane.
inline QString yxVerticalAxisName() {
    return PlotTexts::tr("X, м");
}
// The name of the horizontal axis of the Y-X plane.
inline QString yxHorizontalAxisName() {
    return PlotTexts::tr("Y, м");
}
// The name of the time axis of the three time graphs.
inline QString timeAxisName() {
    return PlotTexts::tr("t,c");
}
// Follows the count of periods T₀ in the labels under the time axis (" 2То", " 4То"…).
inline QString periodSuffix() {
    return PlotTexts::tr("То");
}
// The name of the value axis of the X(t) graph.
inline QString displacementAxisName() {
    return PlotTexts::tr("(X-Xg),м");
}
// The name of the value axis of the Vx(t) graph and of the phase portrait.
inline QString velocityAxisName() {
    return PlotTexts::tr("Vx, м/с");
}
// The name of the value axis of the W(t) graph.
inline QString energyAxisName() {
    return PlotTexts::tr("W, Дж");
}
// The name of the deviation axis of the phase portrait.
inline QString deviationAxisName() {
    return PlotTexts::tr("X-Xg, м");
}

// The resonance plots: the frequency axis, the two value axes, the marks at the driving and the
// resonance frequency, and the legend of the two curves.
inline QString frequencyAxisName() {
    return PlotTexts::tr("ν, Гц");
}
inline QString amplitudeAxisName() {
    return PlotTexts::tr("A, м");
}
inline QString phaseAxisName() {
    return PlotTexts::tr("φ, рад");
}
inline constexpr char drivingMarkName[] = "ν";
inline constexpr char resonanceMarkName[] = "νr";
inline QString computedCurveName() {
    return PlotTexts::tr("расчёт");
}
inline QString linearCurveName() {
    return PlotTexts::tr("линейная теория");
}

} // namespace trelvix::graphics
