#pragma once

// The texts of the resonance window, in the current language: each is asked for when it is shown.

#include <QCoreApplication>
#include <QString>

namespace trelvix::texts {

inline QString resonanceTitle() {
    return QCoreApplication::translate("trelvix::ResonanceWindow", "Резонансная кривая");
}
inline QString offerDuringRun() {
    return QCoreApplication::translate(
        "trelvix::ResonanceWindow",
        "Идёт расчёт: частоту можно будет выбрать на кривой после его окончания.");
}
inline QString resonanceSaveCsv() {
    return QCoreApplication::translate("trelvix::ResonanceWindow", "Сохранить CSV…");
}
inline QString resonanceSavePng() {
    return QCoreApplication::translate("trelvix::ResonanceWindow", "Сохранить PNG…");
}
inline QString resonanceHint() {
    return QCoreApplication::translate(
        "trelvix::ResonanceWindow",
        "Наведите курсор на график, чтобы прочитать значения; щелчок по графику "
        "амплитуды предлагает эту частоту для опыта.");
}
// A number of points that is not whole.
inline QString resonanceWholePoints() {
    return QCoreApplication::translate("trelvix::ResonanceWindow",
                                       "Число точек кривой должно быть целым.");
}

// The question after a click on the amplitude plot.
inline QString offerFrequencyQuestion(const QString& nu) {
    return QCoreApplication::translate("trelvix::ResonanceWindow",
                                       "Установить частоту вынуждающей силы ν = %1 Гц?")
        .arg(nu);
}

// The values under the cursor: the computed curve and the linear theory.
inline QString readoutText(const QString& nu, const QString& A, const QString& phi,
                           const QString& A_lin, const QString& phi_lin) {
    return QCoreApplication::translate("trelvix::ResonanceWindow",
                                       "ν = %1 Гц   A = %2 м   φ = %3 рад   (линейная теория: "
                                       "A = %4 м, φ = %5 рад)")
        .arg(nu, A, phi, A_lin, phi_lin);
}

// The end of a sweep: how many points, how many of them refine the peak, and those whose motion
// left the number range (crossed on the plots).
inline QString sweepSummary(bool cancelled, int points, int refining, int nonFinite) {
    QString text =
        cancelled ? QCoreApplication::translate("trelvix::ResonanceWindow",
                                                "Расчёт прерван: рассчитано точек: %1.")
                        .arg(points)
                  : QCoreApplication::translate("trelvix::ResonanceWindow", "Рассчитано точек: %1.")
                        .arg(points);
    if (!cancelled && refining > 0)
        text += QCoreApplication::translate("trelvix::ResonanceWindow",
                                            " Из них %1 добавлены у вершины пика.")
                    .arg(refining);
    if (nonFinite > 0)
        text += QCoreApplication::translate(
                    "trelvix::ResonanceWindow",
                    " В %1 точках движение вышло за пределы представимых чисел (×).")
                    .arg(nonFinite);
    return text;
}

} // namespace trelvix::texts
