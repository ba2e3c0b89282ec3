#pragma once

// The controls of the main window that the entry layer touches, as standalone widgets built from
// the input table, with the host interface over them: the inputs and view settings, a counter of
// redraw requests, the slow-down factor last shown and the recording platform.

#include "entry/entry_host.h"
#include "entry/parameter_fields.h"
#include "entry/scroll_bars.h"
#include "recording_platform.h"

#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QSet>
#include <QWidget>
#include <memory>

namespace trelvix {

class FakeForm : public QWidget, public EntryHost {
public:
    FakeForm();

    const Inputs& inputs() const override { return in; }
    void storeInput(Input input, double value) override { in.setValue(input, value); }
    void inputEdited(Input) override { ++redraws; }
    const ViewSettings& viewSettings() const override { return view; }
    void setViewSettings(const ViewSettings& settings, ViewChange change) override {
        view = settings;
        if (change == ViewChange::Scales) ++redraws;
    }
    void setInputRowVisible(Input input, bool visible) override;
    void setResultVisible(Result row, bool visible) override;
    void showSlowDown(int factor) override { shownSlowDown = factor; }
    MessageBoxes& messages() override { return platform; }
    Tone& tone() override { return platform; }

    // What the window does at start-up: the initial inputs, then every field's display text of
    // them, each write running its field's handler, then the slow-down factor.
    void writeInitialInputs();

    // A form that has written its initial inputs, with nothing recorded yet.
    static std::unique_ptr<FakeForm> afterStartUp();

    QLineEdit* field(Input input) const;
    // The scroll bars are named as the window's are: "slowDownBar", "magnifierZoomBar" …
    QScrollBar* scrollBar(const QString& name) const { return findChild<QScrollBar*>(name); }
    // Whether a row governed by the fields' visibility rules is shown, by its key (key()).
    bool isShown(const QString& row) const { return !hiddenRows.contains(row); }

    // The value a field's text stands for, as its input stores it.
    double valueOfText(Input input) const;
    // The value stored in a field's input.
    double storedValue(Input input) const { return in.value(input); }

    // What is wrong with a field after an edit, or an empty text when nothing is: the field
    // shows the display form of its stored value, that value is the value of the shown text and
    // not one the field refuses, and every input is finite.
    QString inconsistency(Input input) const;

    Inputs in;
    ViewSettings view;
    QSet<QString> hiddenRows;
    RecordingPlatform platform;
    int redraws = 0;
    int shownSlowDown = 0;
    ParameterFields fields{*this};
    ScrollBars bars{*this};

private:
    std::array<QLineEdit*, allInputs.size()> fields_{};
    ScrollBarSet bars_{};
};

// The key of a parameter row or a result row among the visibility rules of the fields.
QString key(Input input);
QString key(Result row);

// Types `keys` into `widget` one keystroke at a time, any alphabet.
void typeKeys(QWidget* widget, const QString& keys);

// Every row whose visibility a field governs, by its key.
QStringList governedControls();

} // namespace trelvix
