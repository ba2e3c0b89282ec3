#include "entry/parameter_fields.h"

#include "entry/caret_rule.h"
#include "entry/entry_host.h"
#include "model/number_text.h"
#include "platform/message_boxes.h"
#include "platform/tone.h"

#include <QLineEdit>
#include <QWidget>

namespace trelvix {

namespace {

// The short tone before a refusal or a warning: 300 ms.
constexpr double messageTone = 25;

} // namespace

ParameterFields::ParameterFields(EntryHost& host, QObject* parent) : QObject(parent), host_(host) {}

QStringList ParameterFields::connectFields(QWidget* form) {
    QStringList missing;
    for (const InputRow& row : inputTable()) {
        auto* edit = form->findChild<QLineEdit*>(QString::fromLatin1(row.fieldName));
        if (!edit) {
            missing << QString::fromLatin1(row.fieldName);
            continue;
        }
        fields_[static_cast<std::size_t>(row.input)] = edit;
        // textChanged comes for typing and for program writes alike, and not at all when the
        // written text equals the shown one: exactly when the handler must run.
        const Input input = row.input;
        connect(edit, &QLineEdit::textChanged, this, [this, input] { fieldEdited(input); });
    }
    return missing;
}

// Writing back runs this handler once more on the written text.
void ParameterFields::fieldEdited(Input input) {
    QLineEdit* edit = fields_[static_cast<std::size_t>(input)];
    if (!edit) return;
    const InputRow& row = inputRow(input);
    const QString typed = edit->text();
    const int caret = edit->cursorPosition();
    Inputs& in = host_.inputs();

    in.setValue(input, readNumber(typed.toStdString()));
    if (row.refusal && row.refusal->refuses(in)) refuse(row, in);
    writeBack(*edit, QString::fromStdString(displayText(row, in)), typed, caret);
    if (row.warning) warnOnce(*row.warning, in);
    applyVisibility(row.visibility, in);
    host_.redraw();
}

// While the box is open the field still shows the refused text and the input holds the refused
// value; the reset follows the closing of the box.
void ParameterFields::refuse(const InputRow& row, Inputs& in) {
    host_.tone().sound(messageTone);
    host_.messages().inform(refusalTitle, row.refusal->message);
    in.setValue(row.input, row.refusal->resetValue(in));
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
    host_.tone().sound(messageTone);
    warningsShown_.insert(warning.kind);
    host_.messages().inform(warningTitle, warning.text);
}

void ParameterFields::applyVisibility(const std::vector<VisibilityGroup>& groups,
                                      const Inputs& in) {
    for (const VisibilityGroup& group : groups) {
        const bool visible = !group.hidden(in);
        for (const QString& control : group.controls)
            host_.setControlVisible(control, visible);
    }
}

} // namespace trelvix
