#pragma once

// The model's texts (file headings, reasons a measurement or a file was refused) are written in
// Russian and pass through translatedText at the moment they are made.  The application installs
// the translation it uses for its windows; without one (the model's own tests, a tool) the texts
// stay as written.  `context` groups the texts for the translator.

#include <string>

namespace trelvix {

using TextTranslation = std::string (*)(const char* context, const char* source);

void setTextTranslation(TextTranslation translation);

// Thread-safe as long as the installed translation is: installed once, before any thread starts.
std::string translatedText(const char* context, const char* source);

} // namespace trelvix
