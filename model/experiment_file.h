#pragma once

// Experiment files: a set-up a teacher prepares, saves and hands to the class.
//
//   trelvix experiment 1
//   # saved 2026-12-07 10:15
//   m = 0.063850
//   eta = 0.05
//
// UTF-8 text; the first line exactly as above; then `NAME = TEXT` lines, where TEXT is what a
// student would type into that input's field, except that a comma between two digits is a
// decimal point ("nu = 4,5" is 4.5, as a teacher writes it).  Blank lines and lines starting
// with '#' are ignored, blanks around names and texts are trimmed, and names not given keep their
// initial values.  The program reads the file whole (it is at most 64 KiB) and the window enters
// each text through the field's own rules.

#include "model/line_file.h"

#include <map>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace trelvix {

inline constexpr std::string_view experimentFileHeader = "trelvix experiment 1";
inline constexpr std::string_view experimentFileExtension = ".trelvix";
inline constexpr std::size_t largestExperimentFile = 64 * 1024;

enum class ExperimentFileProblem {
    None,
    Unreadable,     // not a regular file, or it could not be opened or read (`reason` says why)
    TooLarge,       // larger than largestExperimentFile
    NotText,        // not UTF-8 text (at `line`)
    WrongFirstLine, // the first line is not the header
    BadLine,        // a line that is neither blank, a comment, nor NAME = TEXT (at `line`)
};

struct ExperimentFileReading {
    ExperimentFileProblem problem = ExperimentFileProblem::None;
    int line = 0;       // 1-based line of the problem, 0 when it concerns the whole file
    std::string reason; // why an unreadable file could not be read
    // The texts of the known names (the last line of a name counts), with their decimal commas
    // made points, the 1-based line of each, and the names that are not known, in the order of
    // the file.
    std::map<std::string, std::string, std::less<>> texts;
    std::map<std::string, int, std::less<>> lines;
    std::vector<std::string> unknownNames;

    bool ok() const { return problem == ExperimentFileProblem::None; }
};

// Reads the text of an experiment file; `knownNames` are the names of the inputs.
ExperimentFileReading parseExperimentFile(std::string_view bytes,
                                          std::span<const std::string_view> knownNames);

// Reads the file at `path` (at most largestExperimentFile bytes) and parses it.  A path that is
// not a regular file (a folder, a named pipe, a device) is refused without being opened, so a
// pipe nobody writes to cannot hold the program up.
ExperimentFileReading readExperimentFile(const std::string& path,
                                         std::span<const std::string_view> knownNames);

// The text of an experiment file: the header, a comment line, then one `NAME = TEXT` line for
// each entry, in the order given.  Lines end with LF.
std::string experimentFileText(std::span<const std::pair<std::string, std::string>> entries,
                               std::string_view comment);

// Writes `bytes` to a temporary file in the folder of `path` and renames it over `path`, so a
// failed save never leaves a half-written file: either the old file or the new one is there.
FileStatus saveFileAtomically(const std::string& path, std::string_view bytes);

} // namespace trelvix
