#pragma once

// The results file: a plain-text table of one run for the student to keep, with the parameters
// of the experiment on top and one line per integration step.  Written in the Windows Cyrillic
// code page with CR LF line ends, the items of a line in print zones of 14 characters.

#include "model/experiment.h"
#include "model/line_file.h"

#include <initializer_list>
#include <string>
#include <string_view>

namespace trelvix {

inline constexpr const char* resultsFileName = "trelvix_out.txt";

// What the window shows in its parameter rows when the header is written, named after the
// controls: the caption labels and the texts of the input fields as the student left them.  The
// density, viscosity and frequency rows have fixed keys in the file (their window captions put
// the Greek letter in a separate label), so only their field texts are needed.
struct ParameterTexts {
    std::string Label1, Text1;   // m
    std::string Label4, Text4;   // d
    std::string Label7, Text7;   // c
    std::string Label8, Text8;   // k
    std::string Label2, Text2;   // L0
    std::string Text3;           // ro
    std::string Text5;           // eta
    std::string Label6, Text6;   // Xm
    std::string Text9;           // nu
    std::string Label18, Text18; // X0
    std::string Label19, Text19; // V0x
    std::string Label20, Text20; // T
};

class ResultsFile {
public:
    explicit ResultsFile(std::string path = resultsFileName) : path_(std::move(path)) {}

    // Creates the file afresh and writes the 15 header lines.  A file still open from before
    // (the box turned on again before a run) is closed first and replaced.  On failure nothing
    // stays open.
    FileStatus create(const ParameterTexts& texts);

    // Appends the line of the step just made: t, X_1 − Xg, Vx_1 and W, each as "0.0000e+00" with
    // `decimalSeparator`.  The line reaches the file before this returns.  On failure the file is
    // closed and nothing more is written.
    FileStatus writeStep(const Experiment& e, std::string_view decimalSeparator);

    FileStatus close() { return file_.close(); }
    bool isOpen() const { return file_.isOpen(); }
    const std::string& path() const { return path_; }

private:
    FileStatus writeHeader(const ParameterTexts& texts);
    FileStatus writeZones(std::initializer_list<std::string_view> items);

    std::string path_;
    LineFile file_;
};

} // namespace trelvix
