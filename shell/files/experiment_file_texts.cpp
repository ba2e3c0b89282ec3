#include "shell/files/experiment_file_texts.h"

#include <algorithm>

namespace trelvix::texts {

QString experimentFileProblem(const QString& path, const ExperimentFileReading& reading) {
    using enum ExperimentFileProblem;
    const QString line = QString::number(reading.line);
    switch (reading.problem) {
    case Unreadable:
        return QStringLiteral("Не удалось прочитать файл эксперимента «%1»: %2.")
            .arg(path, QString::fromStdString(reading.reason));
    case TooLarge:
        return QStringLiteral("Файл «%1» не является файлом эксперимента: он больше 64 КБ.")
            .arg(path);
    case NotText:
        return QStringLiteral("Файл «%1» не является файлом эксперимента: строка %2 — не текст в "
                              "кодировке UTF-8.")
            .arg(path, line);
    case WrongFirstLine:
        return QStringLiteral("Файл «%1» не является файлом эксперимента: строка 1 должна быть "
                              "«trelvix experiment 1».")
            .arg(path);
    case BadLine:
        return QStringLiteral("Ошибка в файле эксперимента «%1», строка %2: ожидается строка вида "
                              "«ИМЯ = ТЕКСТ».")
            .arg(path, line);
    case None:
        break;
    }
    return {};
}

namespace {

constexpr qsizetype longestTextShown = 40;
constexpr qsizetype mostNamesShown = 10;

// A text of the file as a message quotes it: a long one is cut.
QString shortened(const QString& text) {
    return text.size() > longestTextShown ? text.left(longestTextShown) + u'…' : text;
}

// "строка 3, m (масса шара): «abc» — не число".
QString refusedValue(const RefusedEntry& entry) {
    const QString where = entry.line > 0 ? QStringLiteral("строка %1, ").arg(entry.line)
                                         : QStringLiteral("не задано в файле, ");
    return where + QStringLiteral("%1 (%2): %3")
                       .arg(QString::fromUtf8(entry.row->symbol),
                            QString::fromUtf8(entry.row->tooltip), entry.reason);
}

} // namespace

QString notANumber(const QString& text) {
    if (text.isEmpty()) return QStringLiteral("значение не указано");
    return QStringLiteral("«%1» — не число").arg(shortened(text));
}

QString unknownExperimentNames(const QString& path, const QStringList& names) {
    QStringList shown;
    for (const QString& name : names.first(std::min(names.size(), mostNamesShown)))
        shown << shortened(name);
    QString list = shown.join(QStringLiteral(", "));
    if (names.size() > mostNamesShown)
        list += QStringLiteral(" и ещё %1").arg(names.size() - mostNamesShown);
    return QStringLiteral("В файле эксперимента «%1» есть неизвестные имена: %2. Остальные "
                          "параметры загружены.")
        .arg(path, list);
}

QString experimentValuesRefused(const QString& path, const std::vector<RefusedEntry>& refused) {
    QStringList lines{
        QStringLiteral("Файл эксперимента «%1» не загружен, параметры не изменены. Отвергнуты "
                       "значения:")
            .arg(path)};
    for (const RefusedEntry& entry : refused)
        lines << refusedValue(entry);
    return lines.join(u'\n');
}

QStringList refusedValueLines(const QString& path, const std::vector<RefusedEntry>& refused) {
    QStringList lines;
    for (const RefusedEntry& entry : refused)
        lines << QStringLiteral("Файл эксперимента «%1», %2").arg(path, refusedValue(entry));
    return lines;
}

QString experimentSaveFailed(const QString& path, const QString& reason) {
    return QStringLiteral("Не удалось сохранить файл эксперимента «%1»: %2. Прежний файл не "
                          "изменён.")
        .arg(path, reason);
}

QString exportFailed(const QString& path, const QString& reason) {
    return QStringLiteral("Не удалось записать файл «%1»: %2.").arg(path, reason);
}

} // namespace trelvix::texts
