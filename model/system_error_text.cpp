#include "model/system_error_text.h"

#include <cerrno>
#include <cstring>

namespace trelvix {

std::string systemErrorText(int error, FileAccess access) {
    const bool reading = access == FileAccess::Reading;
    switch (error) {
    case 0:
        return "ошибка ввода-вывода";
    case ENOENT:
        return reading ? "файл не найден" : "нет такой папки";
    case EACCES:
    case EPERM:
        return reading ? "нет прав на чтение" : "нет прав на запись";
    case ELOOP:
        return "символические ссылки пути замкнуты в кольцо";
    case ENOTDIR:
        return "часть пути не является папкой";
    case ENAMETOOLONG:
        return "слишком длинное имя файла";
    case ENOSPC:
        return "на диске нет места";
    case EDQUOT:
        return "исчерпана дисковая квота";
    case EROFS:
        return "файловая система только для чтения";
    case EMFILE:
    case ENFILE:
        return "открыто слишком много файлов";
    case EFBIG:
        return "файл слишком велик";
    case EISDIR:
        return "это папка, а не файл";
    default:
        return std::strerror(error);
    }
}

} // namespace trelvix
