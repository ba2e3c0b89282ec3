#pragma once

// What the parameter fields and the scroll bars need from the main window.  The window
// implements it; the entry layer never sees the window itself.

#include "model/experiment.h"

#include <QString>

namespace trelvix {

class MessageBoxes;
class Tone;

class EntryHost {
public:
    virtual ~EntryHost() = default;

    // The one record of the experiment, owned by the window.
    virtual Experiment& experiment() = 0;

    // Shows or hides the control with this object name ("Label15", "Text9", "Label23_2", …).
    virtual void setControlVisible(const QString& controlName, bool visible) = 0;

    // Sets the caption of the label with this object name ("Label21").
    virtual void setCaption(const QString& labelName, const QString& text) = 0;

    // The full redraw of the main window; does nothing while the window is still starting.
    virtual void Form_Resize() = 0;

    virtual MessageBoxes& messages() = 0;
    virtual Tone& tone() = 0;
};

} // namespace trelvix
