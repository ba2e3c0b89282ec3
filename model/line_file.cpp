#include "model/line_file.h"

#include "model/system_error_text.h"
#include "model/translated_text.h"

#include <cerrno>

namespace trelvix {

FileStatus LineFile::create(const std::string& path) {
    close();
    errno = 0;
    file_.reset(std::fopen(path.c_str(), "wb"));
    if (!file_) return FileStatus::failure(systemErrorText(errno));
    return {};
}

FileStatus LineFile::writeLine(std::string_view bytes) {
    if (!file_)
        return FileStatus::failure(translatedText("trelvix::SystemErrors", "файл не открыт"));
    static constexpr char lineEnd[] = "\r\n";
    errno = 0;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file_.get()) == bytes.size() &&
                         std::fwrite(lineEnd, 1, 2, file_.get()) == 2 &&
                         std::fflush(file_.get()) == 0;
    if (!written) return failAndClose();
    return {};
}

FileStatus LineFile::close() {
    if (!file_) return {};
    errno = 0;
    const bool closed = std::fclose(file_.release()) == 0;
    if (!closed) return FileStatus::failure(systemErrorText(errno));
    return {};
}

FileStatus LineFile::failAndClose() {
    const int error = errno;
    // Whatever the buffer still holds cannot reach the file either; only the first reason counts.
    close();
    return FileStatus::failure(systemErrorText(error));
}

} // namespace trelvix
