#include "model/translated_text.h"

#include <atomic>

namespace trelvix {

namespace {
std::atomic<TextTranslation> installed{nullptr};
} // namespace

void setTextTranslation(TextTranslation translation) {
    installed.store(translation);
}

std::string translatedText(const char* context, const char* source) {
    const TextTranslation translation = installed.load();
    return translation ? translation(context, source) : std::string(source);
}

} // namespace trelvix
