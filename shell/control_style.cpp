#include "shell/control_style.h"

#include <QApplication>
#include <QPalette>
#include <QWidget>

namespace trelvix {

namespace {

QFont font(const char* family, double points, bool bold) {
    QFont f(QString::fromLatin1(family));
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

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
    return font("Times New Roman", 12, false);
}
QFont times12Bold() {
    return font("Times New Roman", 12, true);
}
QFont times1125() {
    return font("Times New Roman", 11.25, false);
}
QFont times1125Bold() {
    return font("Times New Roman", 11.25, true);
}
QFont greekLetters() {
    return font("Times New Roman", 14.25, false);
}
QFont formFont() {
    return font("MS Sans Serif", 24, false);
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
