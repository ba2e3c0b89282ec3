#include "model/system_error_text.h"

#include "model/translated_text.h"

#include <cerrno>
#include <cstring>

namespace trelvix {

std::string systemErrorText(int error, FileAccess access) {
    const bool reading = access == FileAccess::Reading;
    switch (error) {
    case 0:
        return translatedText("trelvix::SystemErrors", "ошибка ввода-вывода");
    case ENOENT:
        return reading ? translatedText("trelvix::SystemErrors", "файл не найден")
                       : translatedText("trelvix::SystemErrors", "нет такой папки");
    case EACCES:
    case EPERM:
        return reading ? translatedText("trelvix::SystemErrors", "нет прав на чтение")
                       : translatedText("trelvix::SystemErrors", "нет прав на запись");
    case ELOOP:
        return translatedText("trelvix::SystemErrors",
                              "символические ссылки пути замкнуты в кольцо");
    case ENOTDIR:
        return translatedText("trelvix::SystemErrors", "часть пути не является папкой");
    case ENAMETOOLONG:
        return translatedText("trelvix::SystemErrors", "слишком длинное имя файла");
    case ENOSPC:
        return translatedText("trelvix::SystemErrors", "на диске нет места");
    case EDQUOT:
        return translatedText("trelvix::SystemErrors", "исчерпана дисковая квота");
    case EROFS:
        return translatedText("trelvix::SystemErrors", "файловая система только для чтения");
    case EMFILE:
    case ENFILE:
        return translatedText("trelvix::SystemErrors", "открыто слишком много файлов");
    case EFBIG:
        return translatedText("trelvix::SystemErrors", "файл слишком велик");
    case EISDIR:
        return translatedText("trelvix::SystemErrors", "это папка, а не файл");
    default:
        return std::strerror(error);
    }
}

} // namespace trelvix
