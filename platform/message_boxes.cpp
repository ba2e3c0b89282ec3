#include "platform/message_boxes.h"

#include <QMessageBox>
#include <QPushButton>

namespace trelvix {

void QtMessageBoxes::inform(const QString& title, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, parent_);
    box.exec();
}

bool QtMessageBoxes::askYesNo(const QString& title, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Yes | QMessageBox::No, parent_);
    // Qt ships no Russian button texts unless a translation is installed; every text the student
    // sees is Russian.
    box.button(QMessageBox::Yes)->setText(QStringLiteral("Да"));
    box.button(QMessageBox::No)->setText(QStringLiteral("Нет"));
    return box.exec() == QMessageBox::Yes;
}

} // namespace trelvix
