#include "entry/parameter_fields.h"

#include "entry/caret_rule.h"
#include "entry/entry_host.h"
#include "model/number_text.h"
#include "platform/message_boxes.h"
#include "platform/tone.h"

#include <QLineEdit>

namespace trelvix {

ParameterFields::ParameterFields(EntryHost& host, QObject* parent) : QObject(parent), host_(host) {}

void ParameterFields::connectFields(const std::array<QLineEdit*, allInputs.size()>& fields) {
    fields_ = fields;
    for (const Input input : allInputs) {
        // textChanged comes for typing and for program writes alike, and not at all when the
        // written text equals the shown one: exactly when the handler must run.
        connect(fields_[static_cast<std::size_t>(input)], &QLineEdit::textChanged, this,
                [this, input] { fieldEdited(input); });
    }
}

// Writing back runs this handler once more on the written text.
void ParameterFields::fieldEdited(Input input) {
    QLineEdit* edit = fields_[static_cast<std::size_t>(input)];
    if (!edit) return;
    const InputRow& row = inputRow(input);
    const QString typed = edit->text();
    const int caret = edit->cursorPosition();

    host_.storeInput(input, readNumber(typed.toStdString()));
    const bool refused = row.refusal && row.refusal->refuses(host_.inputs());
    if (refused) refuse(row);
    writeBack(*edit, QString::fromStdString(displayText(row, host_.inputs())), typed, caret);
    // After a reset the student's typing goes on at the end of the value put back, not in the
    // middle of it, where the next key would make a refused value again.
    if (refused) edit->end(false);
    if (row.warning) warnOnce(*row.warning, host_.inputs());
    applyVisibility(row.visibility, host_.inputs());
    host_.inputEdited(input);
}

// While the box is open the field still shows the refused text and the input holds the refused
// value; the reset follows the closing of the box.
void ParameterFields::refuse(const InputRow& row) {
    host_.tone().sound(messageToneUnits);
    host_.messages().inform(refusalTitle(), translatedMessage(*row.refusal));
    host_.storeInput(row.input, row.refusal->resetValue(host_.inputs()));
}

// Writing a different text changes the field and so runs the handler again on that text, which
// stores its value: the stored value is the value of what is shown.  An identical text is not
// written at all (writing would throw the caret to the end of the field).
void ParameterFields::writeBack(QLineEdit& edit, const QString& written, const QString& typed,
                                int caret) {
    if (edit.text() == written) return;
    edit.setText(written);
    edit.setCursorPosition(caretAfterRewrite(typed, caret, edit.text()));
}

void ParameterFields::warnOnce(const Warning& warning, const Inputs& in) {
    if (!warning.applies(in) || warningShown(warning.kind)) return;
    host_.tone().sound(messageToneUnits);
    warningsShown_.insert(warning.kind);
    host_.messages().inform(warningTitle(), translatedMessage(warning));
}

void ParameterFields::applyVisibility(const std::vector<VisibilityGroup>& groups,
                                      const Inputs& in) {
    for (const VisibilityGroup& group : groups) {
        const bool visible = !group.hidden(in);
        for (const Input row : group.inputRows)
            host_.setInputRowVisible(row, visible);
        for (const Result row : group.resultRows)
            host_.setResultVisible(row, visible);
    }
}

} // namespace trelvix
