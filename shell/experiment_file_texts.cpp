#include "shell/experiment_file_texts.h"

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

QString unknownExperimentNames(const QString& path, const QStringList& names) {
    return QStringLiteral("В файле эксперимента «%1» есть неизвестные имена: %2. Остальные "
                          "параметры загружены.")
        .arg(path, names.join(QStringLiteral(", ")));
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
