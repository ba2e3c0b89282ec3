#pragma once

// The modes of the command line that need no display: they compute from the initial inputs or
// from an experiment file and print or write their results.

#include "entry/input_table.h"
#include "shell/command_line/command_line.h"

#include <ostream>
#include <string>
#include <vector>

namespace trelvix {

// The inputs after the texts of an experiment file have been entered, each through its field's
// rules and in the order of the fields, as the window loads them.
struct LoadedInputs {
    Inputs inputs = initialInputs();
    std::vector<std::string> shownTexts; // what each field shows, in the order of Input
    QStringList notes;                   // unknown names, for standard error
    // A file that cannot be used or has refused values, one line each: nothing was loaded.
    QString problem;
};

LoadedInputs loadInputs(const QString& file);

// Runs the mode of `line` (not Window or UsageError) and returns the exit status.
int runHeadless(const CommandLine& line, std::ostream& out, std::ostream& err);

} // namespace trelvix
