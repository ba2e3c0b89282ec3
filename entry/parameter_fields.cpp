#include "entry/parameter_fields.h"

#include "entry/caret_rule.h"
#include "entry/entry_host.h"
#include "model/number_text.h"
#include "platform/message_boxes.h"
#include "platform/tone.h"

#include <QLineEdit>
#include <QWidget>
#include <algorithm>
#include <utility>

namespace trelvix {

namespace {

// The short tone before a refusal or a warning: 300 ms.
constexpr double messageTone = 25;

using Handler = void (ParameterFields::*)();

const std::pair<const char*, Handler> handlers[] = {
    {"Text1", &ParameterFields::Text1_Change},   {"Text4", &ParameterFields::Text4_Change},
    {"Text7", &ParameterFields::Text7_Change},   {"Text8", &ParameterFields::Text8_Change},
    {"Text2", &ParameterFields::Text2_Change},   {"Text3", &ParameterFields::Text3_Change},
    {"Text5", &ParameterFields::Text5_Change},   {"Text6", &ParameterFields::Text6_Change},
    {"Text9", &ParameterFields::Text9_Change},   {"Text18", &ParameterFields::Text18_Change},
    {"Text19", &ParameterFields::Text19_Change}, {"Text20", &ParameterFields::Text20_Change},
};

} // namespace

ParameterFields::ParameterFields(EntryHost& host, QObject* parent) : QObject(parent), host_(host) {}

QStringList ParameterFields::connectFields(QWidget* form) {
    QStringList missing;
    for (const auto& [name, handler] : handlers) {
        auto* edit = form->findChild<QLineEdit*>(name);
        if (!edit) {
            missing << name;
            continue;
        }
        fields_.insert(name, edit);
        // textChanged comes for typing and for program writes alike, and not at all when the
        // written text equals the shown one: exactly when the handler must run.
        connect(edit, &QLineEdit::textChanged, this, handler, Qt::UniqueConnection);
    }
    return missing;
}

void ParameterFields::change(QStringView field) {
    QLineEdit* edit = fields_.value(field.toString());
    if (!edit) return;
    const auto& rules = fieldRules();
    const auto rule = std::find_if(rules.begin(), rules.end(),
                                   [field](const FieldRule& r) { return r.field == field; });
    handle(*rule, *edit);
}

// Read, store, refuse, write back (which runs this handler once more on the written text),
// warn, show or hide the labels that depend on the value, redraw.
void ParameterFields::handle(const FieldRule& rule, QLineEdit& edit) {
    const QString typed = edit.text();
    const int caret = edit.cursorPosition();
    Experiment& e = host_.experiment();

    rule.store(e, readNumber(typed.toStdString()));
    if (rule.refusal && rule.refusal->refuses(e)) refuse(rule, e);
    writeBack(edit, QString::fromStdString(displayText(rule, e)), typed, caret);
    if (rule.warning) warnOnce(*rule.warning, e);
    applyVisibility(rule.visibility, e);
    host_.Form_Resize();
}

// While the box is open the field still shows the refused text and the quantity holds the
// refused value; the reset follows the closing of the box.
void ParameterFields::refuse(const FieldRule& rule, Experiment& e) {
    host_.tone().zvuk(messageTone);
    host_.messages().inform(refusalTitle, rule.refusal->message);
    rule.store(e, rule.refusal->resetValue(e));
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

void ParameterFields::warnOnce(const Warning& warning, const Experiment& e) {
    QString& shown = warnings_.*warning.shown;
    if (!warning.applies(e) || shown == warning.text) return;
    host_.tone().zvuk(messageTone);
    shown = warning.text;
    host_.messages().inform(warningTitle, warning.text);
}

void ParameterFields::applyVisibility(const std::vector<VisibilityGroup>& groups,
                                      const Experiment& e) {
    for (const VisibilityGroup& group : groups) {
        const bool visible = !group.hidden(e);
        for (const QString& control : group.controls)
            host_.setControlVisible(control, visible);
    }
}

} // namespace trelvix
