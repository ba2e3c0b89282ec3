#pragma once

// The twelve parameter fields of the main window: every change of a field's text, typed or
// written by the program, is read, checked against the field's rule, stored into the inputs and
// written back in the field's display form, so that the stored value is always the value of the
// text the field shows.

#include "entry/input_table.h"

#include <QObject>
#include <array>
#include <set>

class QLineEdit;

namespace trelvix {

class EntryHost;

class ParameterFields : public QObject {
    Q_OBJECT
public:
    explicit ParameterFields(EntryHost& host, QObject* parent = nullptr);

    // Runs the field's handler on every change of the text of each of the twelve fields, given
    // in the order of Input.
    void connectFields(const std::array<QLineEdit*, allInputs.size()>& fields);

    // The handler of every field: read, store, refuse, write back, warn, show or hide the labels
    // that depend on the value, redraw.
    void fieldEdited(Input input);

    // Whether the warning has been shown in the life of the program.
    bool warningShown(WarningKind kind) const { return warningsShown_.count(kind) > 0; }

private:
    void refuse(const InputRow& row);
    void writeBack(QLineEdit& edit, const QString& written, const QString& typed, int caret);
    void warnOnce(const Warning& warning, const Inputs& in);
    void applyVisibility(const std::vector<VisibilityGroup>& groups, const Inputs& in);

    EntryHost& host_;
    std::array<QLineEdit*, allInputs.size()> fields_{};
    std::set<WarningKind> warningsShown_;
};

} // namespace trelvix
