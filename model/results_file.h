#pragma once

// The results file: a plain-text table of one run for the student to keep, with the parameters
// of the experiment on top and one line per integration step.  Written in the Windows Cyrillic
// code page with CR LF line ends, the items of a line in print zones of 14 characters.

#include "model/inputs.h"
#include "model/line_file.h"
#include "model/motion.h"

#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <utility>

namespace trelvix {

inline constexpr const char* resultsFileName = "trelvix_out.txt";

// One parameter line of the header: the key (the caption of the input's row, or a fixed key
// where the window's caption puts a Greek letter in a separate label) and the text of the input
// field as the student left it.
struct HeaderRow {
    std::string key;
    std::string text;
};

// One line for each input, in the order of Input.
using HeaderRows = std::span<const HeaderRow, allInputs.size()>;

class ResultsFile {
public:
    explicit ResultsFile(std::string path = resultsFileName) : path_(std::move(path)) {}

    // Creates the file afresh and writes the header: a title, the twelve parameter lines and the
    // column titles.  A file still open from before
    // (the box turned on again before a run) is closed first and replaced.  On failure nothing
    // stays open.
    FileStatus create(HeaderRows parameters);

    // Appends the line of the step just made: t, X − Xg, Vx and W, each as "0.0000e+00" with
    // `decimalSeparator`.  The line reaches the file before this returns.  On failure the file is
    // closed and nothing more is written.
    FileStatus writeStep(const RunState& s, double Xg, std::string_view decimalSeparator);

    FileStatus close() { return file_.close(); }
    bool isOpen() const { return file_.isOpen(); }
    const std::string& path() const { return path_; }

private:
    FileStatus writeHeader(HeaderRows parameters);
    FileStatus writeZones(std::initializer_list<std::string_view> items);

    std::string path_;
    LineFile file_;
};

} // namespace trelvix
