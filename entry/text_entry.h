#pragma once

// Entering a text into an input without a window: what the input's field does with a pasted
// text, for the command line.  The text is read and stored; a refused value brings the refusal
// message and the reset value; the field then shows the display form, which is read once more,
// until the shown text reads back to itself.  The window's fields (parameter_fields.h) do the
// same through their change handler, with the boxes and the tone in between.

#include "entry/input_table.h"

#include <QStringList>
#include <string>
#include <string_view>

namespace trelvix {

struct EnteredText {
    std::string shown;    // the text the field ends up showing
    QStringList refusals; // the refusal messages, in the order they came
};

EnteredText enterText(const InputRow& row, Inputs& in, std::string_view text);

} // namespace trelvix
