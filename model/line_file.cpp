#include "model/line_file.h"

#include <cerrno>
#include <cstring>

namespace trelvix {

namespace {

// The C library sets errno on every failure of the calls used here; a zero errno would mean a
// library that does not, and the failure must still be named.
std::string reasonOfLastFailure(int error) {
    return error != 0 ? std::strerror(error) : "ошибка ввода-вывода";
}

} // namespace

FileStatus LineFile::create(const std::string& path) {
    close();
    errno = 0;
    file_.reset(std::fopen(path.c_str(), "wb"));
    if (!file_) return FileStatus::failure(reasonOfLastFailure(errno));
    return {};
}

FileStatus LineFile::writeLine(std::string_view bytes) {
    if (!file_) return FileStatus::failure("файл не открыт");
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
    if (!closed) return FileStatus::failure(reasonOfLastFailure(errno));
    return {};
}

FileStatus LineFile::failAndClose() {
    const int error = errno;
    // Whatever the buffer still holds cannot reach the file either; only the first reason counts.
    close();
    return FileStatus::failure(reasonOfLastFailure(error));
}

} // namespace trelvix
