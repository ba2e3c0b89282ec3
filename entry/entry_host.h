#pragma once

// What the parameter fields and the scroll bars need from the window that holds them.  The
// window implements it over its experiment; the entry layer never sees the window itself.

#include "model/captions.h"
#include "model/inputs.h"
#include "model/view_settings.h"

namespace trelvix {

class MessageBoxes;
class Tone;

class EntryHost {
public:
    virtual ~EntryHost() = default;

    virtual const Inputs& inputs() const = 0;
    // Stores one input while its field is being edited; the characteristics follow when the
    // edit is complete (inputEdited).
    virtual void storeInput(Input input, double value) = 0;
    // A field's edit is complete: its value stands and what depends on it is shown anew.
    virtual void inputEdited(Input input) = 0;

    virtual const ViewSettings& viewSettings() const = 0;
    virtual void setViewSettings(const ViewSettings& view, ViewChange change) = 0;

    // Shows or hides the parameter row of an input (caption, Greek letter and field) or a result
    // row (with its letter).
    virtual void setInputRowVisible(Input input, bool visible) = 0;
    virtual void setResultVisible(Result result, bool visible) = 0;

    // Shows the slow-down factor beside its scroll bar.
    virtual void showSlowDown(int factor) = 0;

    virtual MessageBoxes& messages() = 0;
    virtual Tone& tone() = 0;
};

} // namespace trelvix
