#pragma once

// What the parameter fields and the scroll bars need from the main window.  The window
// implements it; the entry layer never sees the window itself.

#include "model/inputs.h"
#include "model/view_settings.h"

#include <QString>

namespace trelvix {

class MessageBoxes;
class Tone;

class EntryHost {
public:
    virtual ~EntryHost() = default;

    // The inputs and the view settings of the experiment, owned by the window.
    virtual Inputs& inputs() = 0;
    virtual ViewSettings& viewSettings() = 0;

    // Shows or hides the control with this object name ("Label15", "Text9", "Label23_2", …).
    virtual void setControlVisible(const QString& controlName, bool visible) = 0;

    // Shows the slow-down factor beside its scroll bar.
    virtual void showSlowDown(int factor) = 0;

    // The full redraw of the main window; does nothing while the window is still starting.
    virtual void redraw() = 0;

    virtual MessageBoxes& messages() = 0;
    virtual Tone& tone() = 0;
};

} // namespace trelvix
