#pragma once

// Everything the windows need from the desktop, in one place: the real desktop for the program,
// a recording stand-in for the tests.

#include "platform/clock.h"
#include "platform/desktop.h"
#include "platform/file_dialogs.h"
#include "platform/language.h"
#include "platform/message_boxes.h"
#include "platform/tone.h"

namespace trelvix {

struct Platform {
    MessageBoxes& messages;
    Tone& tone;
    Desktop& desktop;
    Clock& clock;
    FileDialogs& files;
    LanguageSwitch& languages;
};

} // namespace trelvix
