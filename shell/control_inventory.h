#pragma once

// The result rows and the Greek overlays of the right-hand block of the main window: what each
// is called, what it says and in which order the rows stand.  Both the builder of the controls and
// the layout read these tables, so a row is described in one place only.

#include "entry/text_colour.h"
#include "model/captions.h"
#include "shell/main_controls.h"

#include <array>

namespace trelvix {

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

// Rows from top to bottom.  The parameter rows are the rows of the input table
// (entry/input_table.h).
extern const std::array<ResultRow, 15> resultRows;

extern const std::array<GreekOverlay, 3> parameterOverlays;
extern const std::array<GreekOverlay, 8> resultOverlays;

} // namespace trelvix
