#pragma once

// The twelve parameter fields of the main window: every change of a field's text, typed or
// written by the program, is read, checked against the field's rule, stored into the experiment
// and written back in the field's display form, so that the stored value is always the value of
// the text the field shows.

#include "entry/field_rules.h"

#include <QHash>
#include <QObject>
#include <QStringList>

class QLineEdit;
class QWidget;

namespace trelvix {

class EntryHost;

class ParameterFields : public QObject {
    Q_OBJECT
public:
    explicit ParameterFields(EntryHost& host, QObject* parent = nullptr);

    // Finds the twelve input fields among the children of `form` by their object names
    // ("Text1" … "Text20") and runs each field's handler on every change of its text.  Returns
    // the names of the fields that were not found.
    QStringList connectFields(QWidget* form);

    // The handlers, one per field.
    void Text1_Change() { change(u"Text1"); }
    void Text4_Change() { change(u"Text4"); }
    void Text7_Change() { change(u"Text7"); }
    void Text8_Change() { change(u"Text8"); }
    void Text2_Change() { change(u"Text2"); }
    void Text3_Change() { change(u"Text3"); }
    void Text5_Change() { change(u"Text5"); }
    void Text6_Change() { change(u"Text6"); }
    void Text9_Change() { change(u"Text9"); }
    void Text18_Change() { change(u"Text18"); }
    void Text19_Change() { change(u"Text19"); }
    void Text20_Change() { change(u"Text20"); }

    const WarningsShown& warningsShown() const { return warnings_; }

private:
    void change(QStringView field);
    void handle(const FieldRule& rule, QLineEdit& edit);
    void refuse(const FieldRule& rule, Experiment& e);
    void writeBack(QLineEdit& edit, const QString& written, const QString& typed, int caret);
    void warnOnce(const Warning& warning, const Experiment& e);
    void applyVisibility(const std::vector<VisibilityGroup>& groups, const Experiment& e);

    EntryHost& host_;
    QHash<QString, QLineEdit*> fields_;
    WarningsShown warnings_;
};

} // namespace trelvix
