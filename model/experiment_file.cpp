#include "model/experiment_file.h"

#include "model/number_text.h"
#include "model/system_error_text.h"
#include "model/translated_text.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace trelvix {

namespace {

constexpr std::string_view blanks = " \t\r";

std::string_view trimmed(std::string_view s) {
    const auto first = s.find_first_not_of(blanks);
    if (first == std::string_view::npos) return {};
    return s.substr(first, s.find_last_not_of(blanks) - first + 1);
}

// The length of the UTF-8 sequence that starts `s`, or 0 when it is not a valid one (overlong
// forms, surrogates and values beyond U+10FFFF included).
std::size_t utf8SequenceLength(std::string_view s) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(s[i]); };
    const unsigned char lead = byte(0);
    if (lead < 0x80) return 1;
    std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 ? 2 : 0;
    if (length == 0 || lead > 0xF4 || s.size() < length) return 0;
    for (std::size_t i = 1; i < length; ++i)
        if ((byte(i) & 0xC0) != 0x80) return 0;
    if (lead == 0xE0 && byte(1) < 0xA0) return 0;  // overlong
    if (lead == 0xED && byte(1) >= 0xA0) return 0; // surrogate
    if (lead == 0xF0 && byte(1) < 0x90) return 0;  // overlong
    if (lead == 0xF4 && byte(1) >= 0x90) return 0; // beyond U+10FFFF
    return length;
}

// Whether a line is UTF-8 text: valid sequences and no control characters but the tab.
bool isTextLine(std::string_view line) {
    while (!line.empty()) {
        const std::size_t length = utf8SequenceLength(line);
        if (length == 0) return false;
        if (length == 1 && static_cast<unsigned char>(line[0]) < 0x20 && line[0] != '\t' &&
            line[0] != '\r')
            return false;
        if (length == 1 && line[0] == 0x7F) return false;
        line.remove_prefix(length);
    }
    return true;
}

std::vector<std::string_view> splitLines(std::string_view bytes) {
    std::vector<std::string_view> lines;
    while (!bytes.empty()) {
        const auto end = bytes.find('\n');
        lines.push_back(bytes.substr(0, end));
        if (end == std::string_view::npos) break;
        bytes.remove_prefix(end + 1);
    }
    return lines;
}

// Reads one `NAME = TEXT` line into `reading`; false when the line has no such shape.
bool readEntry(std::string_view line, int lineNumber, std::span<const std::string_view> knownNames,
               ExperimentFileReading& reading) {
    const auto equals = line.find('=');
    if (equals == std::string_view::npos) return false;
    const std::string_view name = trimmed(line.substr(0, equals));
    if (name.empty() || name.find_first_of(blanks) != std::string_view::npos) return false;
    const std::string_view text = trimmed(line.substr(equals + 1));
    if (std::find(knownNames.begin(), knownNames.end(), name) != knownNames.end()) {
        reading.texts[std::string(name)] = withDecimalPoint(text);
        reading.lines[std::string(name)] = lineNumber;
    } else {
        reading.unknownNames.emplace_back(name);
    }
    return true;
}

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};

ExperimentFileReading problemAt(ExperimentFileProblem problem, int line) {
    ExperimentFileReading reading;
    reading.problem = problem;
    reading.line = line;
    return reading;
}

ExperimentFileReading unreadable(std::string reason) {
    ExperimentFileReading reading = problemAt(ExperimentFileProblem::Unreadable, 0);
    reading.reason = std::move(reason);
    return reading;
}

// What a path that is not a regular file is, as the reason of its refusal; empty for a regular
// file.
std::string notAFileReason(const struct stat& status) {
    if (S_ISREG(status.st_mode)) return {};
    if (S_ISDIR(status.st_mode))
        return translatedText("trelvix::SystemErrors", "это папка, а не файл");
    if (S_ISFIFO(status.st_mode))
        return translatedText("trelvix::SystemErrors", "это именованный канал, а не файл");
    if (S_ISCHR(status.st_mode) || S_ISBLK(status.st_mode))
        return translatedText("trelvix::SystemErrors", "это устройство, а не файл");
    return translatedText("trelvix::SystemErrors", "это не обычный файл");
}

struct DescriptorCloser {
    int descriptor;
    ~DescriptorCloser() { ::close(descriptor); }
};

// Reads at most `bytes.size()` bytes of `descriptor` into `bytes`, shortening it to what was
// read; returns 0 or the error number.
int readAtMost(int descriptor, std::string& bytes) {
    std::size_t filled = 0;
    while (filled < bytes.size()) {
        const ssize_t count = ::read(descriptor, bytes.data() + filled, bytes.size() - filled);
        if (count < 0 && errno == EINTR) continue;
        if (count < 0) return errno;
        if (count == 0) break;
        filled += std::size_t(count);
    }
    bytes.resize(filled);
    return 0;
}

} // namespace

ExperimentFileReading parseExperimentFile(std::string_view bytes,
                                          std::span<const std::string_view> knownNames) {
    using enum ExperimentFileProblem;
    if (bytes.size() > largestExperimentFile) return problemAt(TooLarge, 0);
    if (bytes.starts_with("\xEF\xBB\xBF")) bytes.remove_prefix(3); // a byte-order mark
    const std::vector<std::string_view> lines = splitLines(bytes);
    for (std::size_t i = 0; i < lines.size(); ++i)
        if (!isTextLine(lines[i])) return problemAt(NotText, int(i + 1));
    if (lines.empty() || trimmed(lines[0]) != experimentFileHeader)
        return problemAt(WrongFirstLine, 1);

    ExperimentFileReading reading;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const std::string_view line = trimmed(lines[i]);
        if (line.empty() || line.starts_with('#')) continue;
        if (!readEntry(line, int(i + 1), knownNames, reading))
            return problemAt(BadLine, int(i + 1));
    }
    return reading;
}

ExperimentFileReading readExperimentFile(const std::string& path,
                                         std::span<const std::string_view> knownNames) {
    using enum FileAccess;
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0) return unreadable(systemErrorText(errno, Reading));
    if (std::string reason = notAFileReason(status); !reason.empty()) return unreadable(reason);
    // Opened without waiting and checked once more: a path swapped for a pipe in between must
    // not hold the program up either.
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0) return unreadable(systemErrorText(errno, Reading));
    const DescriptorCloser closer{descriptor};
    if (::fstat(descriptor, &status) != 0) return unreadable(systemErrorText(errno, Reading));
    if (std::string reason = notAFileReason(status); !reason.empty()) return unreadable(reason);
    // One byte more than allowed tells a file that is too large without reading all of it.
    std::string bytes(largestExperimentFile + 1, '\0');
    if (const int error = readAtMost(descriptor, bytes); error != 0)
        return unreadable(systemErrorText(error, Reading));
    return parseExperimentFile(bytes, knownNames);
}

std::string experimentFileText(std::span<const std::pair<std::string, std::string>> entries,
                               std::string_view comment) {
    std::string text(experimentFileHeader);
    text += "\n# ";
    text += comment;
    text += '\n';
    for (const auto& [name, value] : entries)
        text += name + " = " + std::string(trimmed(value)) + '\n';
    return text;
}

FileStatus saveFileAtomically(const std::string& path, std::string_view bytes) {
    const std::string temporary = path + ".saving";
    errno = 0;
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(temporary.c_str(), "wb"));
    if (!file) return FileStatus::failure(systemErrorText(errno));
    // On the disk before the rename, so that a crash leaves the old file or the whole new one.
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file.get()) == bytes.size() &&
                         std::fflush(file.get()) == 0 && fsync(fileno(file.get())) == 0;
    const int writeError = errno;
    const bool closed = std::fclose(file.release()) == 0;
    if (!written || !closed) {
        std::remove(temporary.c_str());
        return FileStatus::failure(systemErrorText(written ? errno : writeError));
    }
    if (std::rename(temporary.c_str(), path.c_str()) != 0) {
        const int renameError = errno;
        std::remove(temporary.c_str());
        return FileStatus::failure(systemErrorText(renameError));
    }
    return {};
}

} // namespace trelvix
