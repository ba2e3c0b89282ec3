#pragma once

#include "platform/audio_tone.h"
#include "platform/platform.h"

namespace trelvix {

// The real desktop: message boxes, the sound card (or the system beep), the default viewers, the
// system's steady clock, the file dialogs and
// the translations of the program's texts.
class DesktopPlatform {
public:
    Platform platform() { return {messages_, tone_, desktop_, clock_, files_, languages_}; }
    LanguageSwitch& languages() { return languages_; }

private:
    QtMessageBoxes messages_;
    AudioTone tone_;
    QtDesktop desktop_;
    SteadyClock clock_;
    QtFileDialogs files_;
    LanguageSwitch languages_;
};

} // namespace trelvix
