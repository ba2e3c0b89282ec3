#pragma once

// Captions that read as one line with what they belong to: each parameter caption stands on the
// baseline of the text in its field, and each Greek letter, laid over the leading blanks of its
// partner's caption, ends where the text after the blanks begins and stands on its baseline.

#include "shell/main_window/main_controls.h"

namespace trelvix {

// Once, when the controls are built: the fields' text position depends only on their font and
// height, which never change.
void alignCaptionsWithFields(const MainControls& controls);

// After every change of a caption or of the layout (a limit text has other leading blanks).
void alignGreekLetters(const MainControls& controls);

} // namespace trelvix
