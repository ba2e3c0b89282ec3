// Any text typed or pasted into any of the twelve parameter fields, one edit after another: the
// rules of the input table never crash, every field shows the display form of the value its input
// stores, that value is the value of the shown text, and it is finite.
//
// The input is a series of edits separated by NUL bytes.  The first byte of an edit picks the
// field (its value modulo 12, in the order of Input) and the kind of edit: even multiples of 12
// replace the whole text, odd ones insert the rest of the edit at the caret position given by the
// second byte.

#include "fake_form.h"
#include "model/inputs.h"

#include <QApplication>
#include <cstdint>
#include <cstdlib>
#include <string_view>

using namespace trelvix;

namespace {

// Made once and never destroyed: the fuzzer ends the process with exit(), and widgets torn down
// by static destructors after (or before) their application would be a fault of this harness.
FakeForm* form = nullptr;

Input inputOf(unsigned char selector) {
    return allInputs[selector % allInputs.size()];
}

void require(bool condition, Input input, const QString& what) {
    if (condition) return;
    const QLineEdit* field = form->field(input);
    qCritical("%s shows '%s': %s", qPrintable(field->objectName()), qPrintable(field->text()),
              qPrintable(what));
    std::abort();
}

void applyEdit(std::string_view edit) {
    const auto selector = static_cast<unsigned char>(edit.front());
    edit.remove_prefix(1);
    QLineEdit* field = form->field(inputOf(selector));
    const bool replaces = (selector / allInputs.size()) % 2 == 0;
    if (replaces || edit.empty()) {
        field->setText(QString::fromUtf8(edit.data(), qsizetype(edit.size())));
        return;
    }
    const auto caret = static_cast<unsigned char>(edit.front());
    edit.remove_prefix(1);
    field->setCursorPosition(caret % (int(field->text().size()) + 1));
    field->insert(QString::fromUtf8(edit.data(), qsizetype(edit.size())));
}

void checkFields(Input edited) {
    const QString wrong = form->inconsistency(edited);
    require(wrong.isEmpty(), edited, wrong);
    // An edit of one field leaves every other field showing what its input stores.
    for (const Input input : allInputs)
        require(form->storedValue(input) == form->valueOfText(input), input,
                "another field drifted");
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // The fuzzer's own options stay away from Qt, which would otherwise read (and strip) them.
    static int argc = 1;
    static char name[] = "fuzz_input_table";
    static char* argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    new QApplication(argc, argv);
    form = FakeForm::afterStartUp().release();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Every input starts from the fields as the program starts, so that a crash replays alone.
    form->writeInitialInputs();
    form->platform.clear();
    std::string_view rest(reinterpret_cast<const char*>(data), size);
    while (!rest.empty()) {
        const std::size_t end = rest.find('\0');
        const std::string_view edit = rest.substr(0, end);
        rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
        if (edit.empty()) continue;
        applyEdit(edit);
        checkFields(inputOf(static_cast<unsigned char>(edit.front())));
    }
    return 0;
}
