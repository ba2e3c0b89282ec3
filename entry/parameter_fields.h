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
class QWidget;

namespace trelvix {

class EntryHost;

class ParameterFields : public QObject {
    Q_OBJECT
public:
    explicit ParameterFields(EntryHost& host, QObject* parent = nullptr);

    // Finds the twelve input fields among the children of `form` by their object names and runs
    // the field's handler on every change of its text.  Returns the names of the fields that
    // were not found.
    QStringList connectFields(QWidget* form);

    // The handler of every field: read, store, refuse, write back, warn, show or hide the labels
    // that depend on the value, redraw.
    void fieldEdited(Input input);

    // Whether the warning has been shown in the life of the program.
    bool warningShown(WarningKind kind) const { return warningsShown_.count(kind) > 0; }

private:
    void refuse(const InputRow& row, Inputs& in);
    void writeBack(QLineEdit& edit, const QString& written, const QString& typed, int caret);
    void warnOnce(const Warning& warning, const Inputs& in);
    void applyVisibility(const std::vector<VisibilityGroup>& groups, const Inputs& in);

    EntryHost& host_;
    std::array<QLineEdit*, allInputs.size()> fields_{};
    std::set<WarningKind> warningsShown_;
};

} // namespace trelvix
