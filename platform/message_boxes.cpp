#include "platform/message_boxes.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace trelvix {

// Without a given parent the box stays modal over whichever window the student is using.
QWidget* QtMessageBoxes::owner() const {
    return parent_ ? parent_ : QApplication::activeWindow();
}

void QtMessageBoxes::inform(const QString& title, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, owner());
    box.exec();
}

bool QtMessageBoxes::askYesNo(const QString& title, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Yes | QMessageBox::No, owner());
    // The buttons speak the program's language even where Qt has no translation installed.
    box.button(QMessageBox::Yes)->setText(tr("Да"));
    box.button(QMessageBox::No)->setText(tr("Нет"));
    return box.exec() == QMessageBox::Yes;
}

} // namespace trelvix
