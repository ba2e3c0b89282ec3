#pragma once

// The texts of the resonance window.

#include <QString>

namespace trelvix::texts {

inline const QString resonanceTitle = QStringLiteral("Резонансная кривая");
inline const QString offerDuringRun =
    QStringLiteral("Идёт расчёт: частоту можно будет выбрать на кривой после его окончания.");
inline const QString resonanceFrom = QStringLiteral("от, Гц");
inline const QString resonanceTo = QStringLiteral("до, Гц");
inline const QString resonancePoints = QStringLiteral("точек");
inline const QString resonanceCompute = QStringLiteral("Рассчитать");
inline const QString resonanceCancel = QStringLiteral("Отмена");
inline const QString resonanceSaveCsv = QStringLiteral("Сохранить CSV…");
inline const QString resonanceSavePng = QStringLiteral("Сохранить PNG…");
inline const QString resonanceHint =
    QStringLiteral("Наведите курсор на график, чтобы прочитать значения; щелчок по графику "
                   "амплитуды предлагает эту частоту для опыта.");
// A number of points that is not whole.
inline const QString resonanceWholePoints = QStringLiteral("Число точек кривой должно быть целым.");

// The question after a click on the amplitude plot.
inline QString offerFrequencyQuestion(const QString& nu) {
    return QStringLiteral("Установить частоту вынуждающей силы ν = %1 Гц?").arg(nu);
}

// The values under the cursor: the computed curve and the linear theory.
inline QString readoutText(const QString& nu, const QString& A, const QString& phi,
                           const QString& A_lin, const QString& phi_lin) {
    return QStringLiteral("ν = %1 Гц   A = %2 м   φ = %3 рад   (линейная теория: A = %4 м, "
                          "φ = %5 рад)")
        .arg(nu, A, phi, A_lin, phi_lin);
}

// The end of a sweep: how many points, how many of them refine the peak, and those whose motion
// left the number range (crossed on the plots).
inline QString sweepSummary(bool cancelled, int points, int refining, int nonFinite) {
    QString text = cancelled ? QStringLiteral("Расчёт прерван: рассчитано точек: %1.").arg(points)
                             : QStringLiteral("Рассчитано точек: %1.").arg(points);
    if (!cancelled && refining > 0)
        text += QStringLiteral(" Из них %1 добавлены у вершины пика.").arg(refining);
    if (nonFinite > 0)
        text += QStringLiteral(" В %1 точках движение вышло за пределы представимых чисел (×).")
                    .arg(nonFinite);
    return text;
}

inline QString exportFailed(const QString& path, const QString& reason) {
    return QStringLiteral("Не удалось записать файл «%1»: %2.").arg(path, reason);
}

} // namespace trelvix::texts
