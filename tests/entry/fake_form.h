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
#include <QWidget>
#include <memory>

namespace trelvix {

class FakeForm : public QWidget, public EntryHost {
public:
    FakeForm();

    Inputs& inputs() override { return in; }
    ViewSettings& viewSettings() override { return view; }
    void setControlVisible(const QString& controlName, bool visible) override;
    void showSlowDown(int factor) override { shownSlowDown = factor; }
    void redraw() override { ++redraws; }
    MessageBoxes& messages() override { return platform; }
    Tone& tone() override { return platform; }

    // What the window does at start-up: the initial inputs, then every field's display text of
    // them, each write running its field's handler, then the slow-down factor.
    void writeInitialInputs();

    // A form that has written its initial inputs, with nothing recorded yet.
    static std::unique_ptr<FakeForm> afterStartUp();

    QLineEdit* field(Input input) const;
    QScrollBar* scrollBar(const QString& name) const { return findChild<QScrollBar*>(name); }
    bool isShown(const QString& controlName) const;

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
    RecordingPlatform platform;
    int redraws = 0;
    int shownSlowDown = 0;
    ParameterFields fields{*this};
    ScrollBars bars{*this};
};

// Types `keys` into `widget` one keystroke at a time, any alphabet.
void typeKeys(QWidget* widget, const QString& keys);

// Every control whose visibility a field governs, as the input table names them.
QStringList governedControls();

} // namespace trelvix
