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
    std::array<int, allInputs.size()> lines{};       // the file's line of each, 0: not given
    QStringList unknownNames;
};

// The texts a successfully read file gives the fields.
ExperimentEntries entriesOf(const ExperimentFileReading& reading);

// A value of a file that its field would refuse, and why, without the field's typing advice.
struct RefusedEntry {
    const InputRow* row;
    int line; // 0: the name is not in the file, its initial value is refused by the file's others
    QString reason;
};

// The inputs after every text has been entered through its field's rules in the order of the
// fields, as the window loads a file, what each field then shows, and the values refused on the
// way: a text without a number or one its field's rule refuses.
struct EnteredExperiment {
    Inputs inputs = initialInputs();
    std::array<std::string, allInputs.size()> shownTexts;
    std::vector<RefusedEntry> refused;
};

EnteredExperiment enterExperiment(const ExperimentEntries& entries);

// The bytes of a saved experiment: every name in field order with the text its field shows
// (`shownTexts` in the order of Input), after a comment with the date.
std::string savedExperiment(const std::array<std::string, allInputs.size()>& shownTexts);

} // namespace trelvix
