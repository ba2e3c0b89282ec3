#pragma once

// The look shared by the controls of the three windows: the program's carried fonts (the same
// on every desktop), the fixed colours, and tooltips that a screen reader also reads.

#include "shell/main_window/control_inventory.h"

#include <QColor>
#include <QFont>
#include <QString>

class QWidget;

namespace trelvix {

namespace colours {
inline const QColor formGrey{224, 224, 224};    // background of the main window and its labels
inline const QColor fieldYellow{255, 255, 192}; // input fields
inline const QColor resultCyan{192, 255, 255};  // result labels
} // namespace colours

namespace fonts {
QFont times12();
QFont times12Bold();
QFont times1125();
QFont times1125Bold();
QFont greekLetters(); // the Greek overlays: a text font with Unicode Greek letters
QFont formFont();     // the main window's own font, used by what is drawn on it directly
} // namespace fonts

// Sets the tooltip and makes it the accessible description as well.
void setTip(QWidget* widget, const QString& tip);

// Sets the colour in which a label or button writes its text.
void setTextColour(QWidget* widget, TextColour colour);

// Paints the widget's whole background in `colour`.
void setBackground(QWidget* widget, const QColor& colour);

} // namespace trelvix
