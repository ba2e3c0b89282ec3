#pragma once

// The texts the windows show: about a run, the results file, the About box, the authors and
// ending the program.  Each is read in the current language when it is shown.

#include "entry/input_table.h"

#include <QCoreApplication>
#include <QString>

namespace trelvix::texts {

struct WindowTexts {
    Q_DECLARE_TR_FUNCTIONS(trelvix::WindowTexts)
};

// The window caption at start.
inline QString titleAtStart() {
    return WindowTexts::tr("Вертикальные вынужденные колебания шара на пружине в среде");
}
// The window caption after a run (with a full stop, unlike the caption at creation).
inline QString titleAfterRun() {
    return WindowTexts::tr("Вертикальные вынужденные колебания шара на пружине в среде.");
}
// The caption of both windows while a run locks their size.
inline QString titleWhileRunning() {
    return WindowTexts::tr("При работе размер окна изменить нельзя!");
}
// After the caption of a run while it is held.
inline QString heldSuffix() {
    return WindowTexts::tr(" — Пауза");
}
// The magnifier's own caption.
inline QString magnifierTitle() {
    return WindowTexts::tr("Лупа (движение центра шара)");
}
// Appended to the caption after a click on startButton, before the elapsed seconds.
inline QString elapsedPrefix() {
    return WindowTexts::tr(" Время расчёта - ");
}
// The elapsed time after the prefix: " 12 c".
inline QString elapsedSeconds(long long seconds) {
    return u' ' + QString::number(seconds) + WindowTexts::tr(" c", "seconds after a number");
}
// startButton while idle and while running: its caption is the run state of the window.
inline QString startCaption() {
    return WindowTexts::tr("ПУСК");
}
inline QString stopCaption() {
    return WindowTexts::tr("СТОП");
}
// Title of every box that reports a failure: the same as that of a refused input.
inline QString errorTitle() {
    return refusalTitle();
}
// The ball has reached the suspension point.
inline QString touchedMessage() {
    return WindowTexts::tr("Что-то пошло не так. Шар коснулся точки подвеса пружины. Эксперимент "
                           "не удался. Измените параметры");
}
// The confirmation before the program ends.
inline QString exitQuestion() {
    return WindowTexts::tr("Вы абсолютно уверены?");
}
inline QString exitTitle() {
    return WindowTexts::tr("На Выход");
}
// A run refused because the inputs give no finite motion (or a step too small to ever reach T).
inline QString cannotRunMessage() {
    return WindowTexts::tr(
        "Расчёт невозможен: при этих параметрах характеристики движения не имеют конечных "
        "значений или шаг расчёта слишком мал. Измените параметры");
}
// A run whose coordinate, velocity or energy left the range of numbers.
inline QString nonFiniteMessage() {
    return WindowTexts::tr(
        "Расчёт остановлен: координата, скорость или энергия шара вышли за пределы представимых "
        "чисел. Измените параметры");
}

// The results file could not be created or written; the writing is then switched off.
inline QString fileErrorMessage(const QString& path, const QString& reason) {
    return WindowTexts::tr(
               "Не удалось записать файл результатов «%1»: %2. Запись в файл отключена.")
        .arg(path, reason);
}

// The About box: what the program models, and its own history.
inline QString aboutTitle() {
    return WindowTexts::tr("О ПРОГРАММЕ");
}
inline QString aboutText() {
    return WindowTexts::tr(
        "Программа моделирует вынужденные колебания шара на вертикально подвешенной пружине.\n"
        "Точка подвеса может совершать вертикальные гармонические колебания.\n"
        "Колебания происходят в вязкой среде. Силы сопротивления пропорциональны v и v^2.\n"
        " \n"
        "История версий:\n"
        "Версия 0.1, декабрь 2026 г., Linux (Debian 12 и совместимые), настольное приложение Qt "
        "6.\n"
        " \n"
        "Государственной регистрации эта версия не проходила.\n"
        "Следующая версия пока не выпущена.");
}

// The authors window: its caption, also the menu item that opens it, and the credit.
inline QString authorsTitle() {
    return WindowTexts::tr("Авторы");
}
inline QString authorsText() {
    return WindowTexts::tr("Программа создана разработчиками проекта trelvix для школьников, "
                           "студентов и преподавателей физики.");
}

} // namespace trelvix::texts
