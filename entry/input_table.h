#pragma once

// The twelve inputs of the experiment, each declared once: its parameter row in the window
// (caption, field, tooltip, keyboard position), how its value is shown, which values are refused
// (with the message and the value put back), which warning a value deserves, which result labels
// lose their meaning for it, and its key in the header of the results file.  Everything that
// handles the inputs one by one loops over this table.

#include "entry/text_colour.h"
#include "model/captions.h"
#include "model/inputs.h"
#include "model/results_file.h"

#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <string>
#include <vector>

namespace trelvix {

// The warnings already shown: each warning appears once in the life of the program.
enum class WarningKind { Vacuum, NoViscosity };

// The texts of the table are the Russian sources; the functions below give them in the current
// language.
struct Refusal {
    bool (*refuses)(const Inputs&);
    const char* message;
    double (*resetValue)(const Inputs&);
};

struct Warning {
    bool (*applies)(const Inputs&);
    const char* text;
    WarningKind kind;
};

// Parameter rows (caption, its Greek letter and field) and result rows (with their letters) that
// are hidden while `hidden` holds and shown otherwise.
struct VisibilityGroup {
    std::vector<Input> inputRows;
    std::vector<Result> resultRows;
    bool (*hidden)(const Inputs&);
};

struct InputRow {
    Input input;
    const char* symbol;      // the input's name in experiment files: "m", "eta", "V0x"
    const char* captionName; // object name of the caption label
    const char* captionText;
    TextColour captionColour;
    const char* fieldName; // object name of the input field
    const char* tooltip;   // shared by caption and field
    const char* quantity;  // what a screen reader calls the field
    int fieldTab;          // position of the field in the keyboard order
    // The key of the input's line in the results file; null: the caption text.  The density,
    // viscosity and frequency have fixed keys, as their captions put the Greek letter apart.
    const char* resultsFileKey;
    // Display pattern of number_text.h; null for the general number form.
    const char* pattern;
    std::optional<Refusal> refusal;
    std::optional<Warning> warning;
    std::vector<VisibilityGroup> visibility;
};

// The titles of the boxes that refuse a value and that warn about one.
QString refusalTitle();
QString warningTitle();

// The twelve rows, in the order of Input: the order of the rows in the window and the order in
// which the window fills the fields at start-up.
const std::vector<InputRow>& inputTable();
const InputRow& inputRow(Input input);

// A row's texts in the current language: its caption, the tooltip of its caption and field, and
// what a screen reader calls its field; the message of a refusal or a warning.
QString translatedCaption(const InputRow& row);
QString translatedTooltip(const InputRow& row);
QString translatedQuantity(const InputRow& row);
QString translatedMessage(const Refusal& refusal);
QString translatedMessage(const Warning& warning);

// The text a field shows for the value stored in its input.
std::string displayText(const InputRow& row, const Inputs& in);

// The header of the results file: each input's fixed key or the caption of its row (in the current
// language), and the text its field shows.
std::array<HeaderRow, allInputs.size()> resultsFileHeader(const Inputs& in);

} // namespace trelvix
