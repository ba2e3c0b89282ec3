#pragma once

// The rows of the right-hand block of the main window: what each row is called, what it says
// and in which order the rows stand.  Both the builder of the controls and the layout read
// these tables, so a row is described in one place only.

#include "model/characteristics.h"
#include "shell/main_controls.h"

#include <array>

namespace trelvix {

// Caption colours: some captions follow the desktop theme, others are always black.
enum class TextColour { Black, ButtonText, WindowText };

// One input of the experiment: its caption label and its input field, which share a tooltip.
struct ParameterRow {
    const char* captionName;
    QLabel* MainControls::*caption;
    const char* captionText;
    TextColour captionColour;
    const char* fieldName;
    QLineEdit* MainControls::*field;
    const char* tooltip;
    const char* quantity; // what a screen reader calls the field
    int fieldTab;         // position of the field in the keyboard order
};

// One characteristic of the motion, shown in a bordered label.
struct ResultRow {
    const char* name;
    QLabel* MainControls::*label;
    std::string Captions::*caption; // its text among the computed characteristics
    const char* tooltip;
    TextColour colour;
};

// A Greek letter drawn by a small label over the leading blanks of its partner's caption.
struct GreekOverlay {
    const char* name;
    QLabel* MainControls::*label;
    const char* partner;
    const char* letter;
    int width;  // fixed: the layout moves the overlay but never changes its width
    int indent; // pixels from the partner's left edge to the overlay's
    int lift;   // pixels the overlay stands above the partner's top edge
};

// Rows from top to bottom.
extern const std::array<ParameterRow, 12> parameterRows;
extern const std::array<ResultRow, 15> resultRows;

extern const std::array<GreekOverlay, 3> parameterOverlays;
extern const std::array<GreekOverlay, 8> resultOverlays;

} // namespace trelvix
