#include "shell/widgets/control_style.h"

#include "graphics/carried_fonts.h"

#include <QApplication>
#include <QPalette>
#include <QWidget>

namespace trelvix {

namespace {

using graphics::carriedFont;
using graphics::Face;

QColor colourOf(TextColour colour) {
    switch (colour) {
    case TextColour::ButtonText:
        return QApplication::palette().color(QPalette::ButtonText);
    case TextColour::WindowText:
        return QApplication::palette().color(QPalette::WindowText);
    case TextColour::Black:
        break;
    }
    return Qt::black;
}

} // namespace

namespace fonts {
QFont times12() {
    return carriedFont(Face::Serif, 12, false);
}
QFont times12Bold() {
    return carriedFont(Face::Serif, 12, true);
}
QFont times1125() {
    return carriedFont(Face::Serif, 11.25, false);
}
QFont times1125Bold() {
    return carriedFont(Face::Serif, 11.25, true);
}
QFont greekLetters() {
    return carriedFont(Face::Serif, 14.25, false);
}
QFont formFont() {
    return carriedFont(Face::Sans, 24, false);
}
} // namespace fonts

void setTip(QWidget* widget, const QString& tip) {
    widget->setToolTip(tip);
    widget->setAccessibleDescription(tip);
}

void setTextColour(QWidget* widget, TextColour colour) {
    QPalette palette = widget->palette();
    const QColor c = colourOf(colour);
    // Only for enabled controls: a disabled one (the fields during a run) keeps the greyed text
    // that tells the student it is locked.
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
        for (QPalette::ColorRole role :
             {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
            palette.setColor(group, role, c);
    widget->setPalette(palette);
}

void setBackground(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

} // namespace trelvix
