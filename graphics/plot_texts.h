#pragma once

// The texts that the plots draw on their panels.  The time unit in "t,c" is a Latin c.

namespace trelvix::graphics {

// The name of the vertical axis of the Y-X plane.
inline constexpr char yxVerticalAxisName[] = "X, м";
// The name of the horizontal axis of the Y-X plane.
inline constexpr char yxHorizontalAxisName[] = "Y, м";
// The name of the time axis of the three time graphs.
inline constexpr char timeAxisName[] = "t,c";
// Follows the count of periods T₀ in the labels under the time axis (" 2То", " 4То"…).
inline constexpr char periodSuffix[] = "То";
// The name of the value axis of the X(t) graph.
inline constexpr char displacementAxisName[] = "(X-Xg),м";
// The name of the value axis of the Vx(t) graph.
inline constexpr char velocityAxisName[] = "Vx, м/с";
// The name of the value axis of the W(t) graph.
inline constexpr char energyAxisName[] = "W, Дж";

// The resonance plots: the frequency axis, the two value axes, the marks at the driving and the
// resonance frequency, and the legend of the two curves.
inline constexpr char frequencyAxisName[] = "ν, Гц";
inline constexpr char amplitudeAxisName[] = "A, м";
inline constexpr char phaseAxisName[] = "φ, рад";
inline constexpr char drivingMarkName[] = "ν";
inline constexpr char resonanceMarkName[] = "νr";
inline constexpr char computedCurveName[] = "расчёт";
inline constexpr char linearCurveName[] = "линейная теория";

} // namespace trelvix::graphics
