#pragma once

// The texts the windows show: about a run, the results file, the About box, the authors and
// ending the program.

#include "entry/input_table.h"

#include <QString>

namespace trelvix::texts {

// The window caption at start.
inline const QString titleAtStart =
    QStringLiteral("Вертикальные вынужденные колебания шара на пружине в среде");
// The window caption after a run (with a full stop, unlike the caption at creation).
inline const QString titleAfterRun =
    QStringLiteral("Вертикальные вынужденные колебания шара на пружине в среде.");
// The caption of both windows while a run locks their size.
inline const QString titleWhileRunning = QStringLiteral("При работе размер окна изменить нельзя!");
// After the caption of a run while it is held.
inline const QString heldSuffix = QStringLiteral(" — Пауза");
// The magnifier's own caption.
inline const QString magnifierTitle = QStringLiteral("Лупа (движение центра шара)");
// Appended to the caption after a click on startButton, before the elapsed seconds.
inline const QString elapsedPrefix = QStringLiteral(" Время расчёта - ");
// startButton while idle and while running: its caption is the run state of the window.
inline const QString startCaption = QStringLiteral("ПУСК");
inline const QString stopCaption = QStringLiteral("СТОП");
// Title of every box that reports a failure: the same as that of a refused input.
inline const QString& errorTitle = refusalTitle;
// The ball has reached the suspension point.
inline const QString touchedMessage =
    QStringLiteral("Что-то пошло не так. Шар коснулся точки подвеса пружины. Эксперимент не "
                   "удался. Измените параметры");
// The confirmation before the program ends.
inline const QString exitQuestion = QStringLiteral("Вы абсолютно уверены?");
inline const QString exitTitle = QStringLiteral("На Выход");
// A run refused because the inputs give no finite motion (or a step too small to ever reach T).
inline const QString cannotRunMessage = QStringLiteral(
    "Расчёт невозможен: при этих параметрах характеристики движения не имеют конечных значений "
    "или шаг расчёта слишком мал. Измените параметры");
// A run whose coordinate, velocity or energy left the range of numbers.
inline const QString nonFiniteMessage = QStringLiteral(
    "Расчёт остановлен: координата, скорость или энергия шара вышли за пределы представимых "
    "чисел. Измените параметры");

// The results file could not be created or written; the writing is then switched off.
inline QString fileErrorMessage(const QString& path, const QString& reason) {
    return QStringLiteral("Не удалось записать файл результатов «%1»: %2. Запись в файл отключена.")
        .arg(path, reason);
}

// The About box: what the program models, and its own history.
inline const QString aboutTitle = QStringLiteral("О ПРОГРАММЕ");
inline const QString aboutText = QStringLiteral(
    "Программа моделирует вынужденные колебания шара на вертикально подвешенной пружине.\n"
    "Точка подвеса может совершать вертикальные гармонические колебания.\n"
    "Колебания происходят в вязкой среде. Силы сопротивления пропорциональны v и v^2.\n"
    " \n"
    "История версий:\n"
    "Версия 0.1, декабрь 2026 г., Linux (Debian 12 и совместимые), настольное приложение Qt 6.\n"
    " \n"
    "Государственной регистрации эта версия не проходила.\n"
    "Следующая версия пока не выпущена.");

// The authors window: its caption, also the menu item that opens it, and the credit.
inline const QString authorsTitle = QStringLiteral("Авторы");
inline const QString authorsText =
    QStringLiteral("Программа создана разработчиками проекта trelvix для школьников, студентов и "
                   "преподавателей физики.");

} // namespace trelvix::texts
