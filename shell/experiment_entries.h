#pragma once

// What an experiment file gives the twelve fields, shared by the window and the command line:
// the names of the inputs, the text each field receives on loading (the file's text or, for a
// name not given, the field's initial text), and the entries a save writes.

#include "entry/input_table.h"
#include "model/experiment_file.h"

#include <QStringList>
#include <array>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace trelvix {

// The input names an experiment file knows, in the order of the fields.
std::vector<std::string_view> experimentNames();

struct ExperimentEntries {
    std::array<std::string, allInputs.size()> texts; // in the order of Input
    QStringList unknownNames;
};

// The texts a successfully read file gives the fields.
ExperimentEntries entriesOf(const ExperimentFileReading& reading);

// The bytes of a saved experiment: every name in field order with the text its field shows
// (`shownTexts` in the order of Input), after a comment with the date.
std::string savedExperiment(const std::array<std::string, allInputs.size()>& shownTexts);

} // namespace trelvix
