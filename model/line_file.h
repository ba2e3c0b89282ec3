#pragma once

// A write-only text file that hands every line to the operating system as soon as it is written,
// so that a program killed in the middle of a run leaves every line up to the last one, and that
// reports every failure with its reason instead of losing data silently.

#include <cstdio>
#include <memory>
#include <string>
#include <string_view>

namespace trelvix {

// The result of a file operation; `reason` describes a failure (systemErrorText()).
struct FileStatus {
    bool ok = true;
    std::string reason;

    explicit operator bool() const { return ok; }
    static FileStatus failure(std::string reason) { return {false, std::move(reason)}; }
};

class LineFile {
public:
    // Creates `path` as a new, empty file (an existing one is replaced), closing the file that was
    // open before.
    FileStatus create(const std::string& path);

    // Writes `bytes` and the line end CR LF and flushes them.  A failed write closes the file:
    // nothing more is written after a line that did not reach it whole.
    FileStatus writeLine(std::string_view bytes);

    // Closes the file; closing a file that is not open succeeds.
    FileStatus close();

    bool isOpen() const { return file_ != nullptr; }

private:
    FileStatus failAndClose();

    struct Closer {
        void operator()(std::FILE* f) const { std::fclose(f); }
    };
    std::unique_ptr<std::FILE, Closer> file_;
};

} // namespace trelvix
