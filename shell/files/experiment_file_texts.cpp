#include "shell/files/experiment_file_texts.h"

#include <QCoreApplication>
#include <algorithm>

namespace trelvix::texts {

namespace {

struct FileTexts {
    Q_DECLARE_TR_FUNCTIONS(trelvix::ExperimentFileTexts)
};

} // namespace

QString experimentFileProblem(const QString& path, const ExperimentFileReading& reading) {
    using enum ExperimentFileProblem;
    const QString line = QString::number(reading.line);
    switch (reading.problem) {
    case Unreadable:
        return FileTexts::tr("Не удалось прочитать файл эксперимента «%1»: %2.")
            .arg(path, QString::fromStdString(reading.reason));
    case TooLarge:
        return FileTexts::tr("Файл «%1» не является файлом эксперимента: он больше 64 КБ.")
            .arg(path);
    case NotText:
        return FileTexts::tr("Файл «%1» не является файлом эксперимента: строка %2 — не текст в "
                             "кодировке UTF-8.")
            .arg(path, line);
    case WrongFirstLine:
        return FileTexts::tr("Файл «%1» не является файлом эксперимента: строка 1 должна быть "
                             "«trelvix experiment 1».")
            .arg(path);
    case BadLine:
        return FileTexts::tr("Ошибка в файле эксперимента «%1», строка %2: ожидается строка вида "
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
    const QString where = entry.line > 0 ? FileTexts::tr("строка %1, ").arg(entry.line)
                                         : FileTexts::tr("не задано в файле, ");
    return where + QStringLiteral("%1 (%2): %3")
                       .arg(QString::fromUtf8(entry.row->symbol), translatedTooltip(*entry.row),
                            entry.reason);
}

} // namespace

QString notANumber(const QString& text) {
    if (text.isEmpty()) return FileTexts::tr("значение не указано");
    return FileTexts::tr("«%1» — не число").arg(shortened(text));
}

QString unknownExperimentNames(const QString& path, const QStringList& names) {
    QStringList shown;
    for (const QString& name : names.first(std::min(names.size(), mostNamesShown)))
        shown << shortened(name);
    QString list = shown.join(QStringLiteral(", "));
    if (names.size() > mostNamesShown)
        list += FileTexts::tr(" и ещё %1").arg(names.size() - mostNamesShown);
    return FileTexts::tr("В файле эксперимента «%1» есть неизвестные имена: %2. Остальные "
                         "параметры загружены.")
        .arg(path, list);
}

QString experimentValuesRefused(const QString& path, const std::vector<RefusedEntry>& refused) {
    QStringList lines{
        FileTexts::tr("Файл эксперимента «%1» не загружен, параметры не изменены. Отвергнуты "
                      "значения:")
            .arg(path)};
    for (const RefusedEntry& entry : refused)
        lines << refusedValue(entry);
    return lines.join(u'\n');
}

QStringList refusedValueLines(const QString& path, const std::vector<RefusedEntry>& refused) {
    QStringList lines;
    for (const RefusedEntry& entry : refused)
        lines << FileTexts::tr("Файл эксперимента «%1», %2").arg(path, refusedValue(entry));
    return lines;
}

QString experimentSaveFailed(const QString& path, const QString& reason) {
    return FileTexts::tr("Не удалось сохранить файл эксперимента «%1»: %2. Прежний файл не "
                         "изменён.")
        .arg(path, reason);
}

QString presetImpossible() {
    return FileTexts::tr(
        "При текущих параметрах такого режима нет (например, при сильном затухании нет "
        "резонанса). Параметры не изменены.");
}

QString exportFailed(const QString& path, const QString& reason) {
    return FileTexts::tr("Не удалось записать файл «%1»: %2.").arg(path, reason);
}

} // namespace trelvix::texts
