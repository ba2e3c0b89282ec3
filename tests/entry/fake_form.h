#pragma once

// The controls of the main window that the entry layer touches, as standalone widgets, with
// the host interface over them: the experiment, a counter of redraw requests and the recording
// platform.

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

// The twelve input fields in the order the window fills them at start-up.
inline const QStringList fieldNames{"Text1", "Text4", "Text7", "Text8",  "Text2",  "Text3",
                                    "Text5", "Text6", "Text9", "Text18", "Text19", "Text20"};

class FakeForm : public QWidget, public EntryHost {
public:
    FakeForm();

    Experiment& experiment() override { return e; }
    void setControlVisible(const QString& controlName, bool visible) override;
    void setCaption(const QString& labelName, const QString& text) override;
    void Form_Resize() override { ++redraws; }
    MessageBoxes& messages() override { return platform; }
    Tone& tone() override { return platform; }

    // What the window does at start-up: the initial values, then the initial texts (the mass in
    // its pattern, the others as plain numbers), each write running its field's handler.
    void nach_dannye();

    // A form that has run nach_dannye, with nothing recorded yet.
    static std::unique_ptr<FakeForm> afterStartUp();

    QLineEdit* field(const QString& name) const { return findChild<QLineEdit*>(name); }
    QScrollBar* scrollBar(const QString& name) const { return findChild<QScrollBar*>(name); }
    bool isShown(const QString& controlName) const;

    // The value a field's text stands for, as its quantity stores it.
    double valueOfText(const QString& fieldName) const;
    // The value stored in a field's quantity.
    double storedValue(const QString& fieldName) const;

    // What is wrong with a field after an edit, or an empty text when nothing is: the field
    // shows the display form of its stored value, that value is the value of the shown text and
    // not one the field refuses, every input is finite, and the radii follow the diameter and
    // the amplitude.
    QString inconsistency(const QString& fieldName) const;

    Experiment e;
    RecordingPlatform platform;
    int redraws = 0;
    ParameterFields fields{*this};
    ScrollBars bars{*this};
};

// Types `keys` into `widget` one keystroke at a time, any alphabet.
void typeKeys(QWidget* widget, const QString& keys);

// Every control whose visibility a field governs.
extern const QStringList governedControls;

} // namespace trelvix
