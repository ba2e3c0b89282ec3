#pragma once

#include "platform/audio_tone.h"
#include "platform/platform.h"

namespace trelvix {

// The real desktop: message boxes, the sound card (or the system beep), the default viewers, the
// system's steady clock and the file dialogs.
class DesktopPlatform {
public:
    Platform platform() { return {messages_, tone_, desktop_, clock_, files_}; }

private:
    QtMessageBoxes messages_;
    AudioTone tone_;
    QtDesktop desktop_;
    SteadyClock clock_;
    QtFileDialogs files_;
};

} // namespace trelvix
