#pragma once

// The result rows and the Greek overlays of the right-hand block of the main window: what each
// is called, what it says and in which order the rows stand.  Both the builder of the controls and
// the layout read these tables, so a row is described in one place only.

#include "entry/text_colour.h"
#include "model/captions.h"
#include "shell/main_window/main_controls.h"

#include <array>

namespace trelvix {

// One characteristic of the motion, shown in a bordered label.
struct ResultRow {
    Result result;
    const char* name;    // object name of the label
    const char* tooltip; // the Russian source of the translated tooltip
    TextColour colour;
};

// A Greek letter drawn by a small label over the leading blanks of its partner's caption: a
// parameter caption (Partner = Input) or a result label (Partner = Result); the letter is the
// model's greekLetterOf(partner).
template <typename Partner> struct GreekOverlay {
    const char* name; // object name of the letter's label
    Partner partner;
    int width;  // fixed: the layout moves the overlay but never changes its width
    int indent; // pixels from the partner's left edge to the overlay's
    int lift;   // pixels the overlay stands above the partner's top edge
};

// Rows from top to bottom, in the order of Result.  The parameter rows are the rows of the input
// table (entry/input_table.h).
extern const std::array<ResultRow, resultCount> resultRows;

extern const std::array<GreekOverlay<Input>, 3> parameterOverlays;
extern const std::array<GreekOverlay<Result>, 8> resultOverlays;

// The label a letter is laid over.
inline QLabel* partnerLabel(const MainControls& c, Input input) {
    return c.caption(input);
}
inline QLabel* partnerLabel(const MainControls& c, Result row) {
    return c.result(row);
}

} // namespace trelvix
