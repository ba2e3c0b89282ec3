#include "platform/file_dialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QPrintDialog>
#include <QRegularExpression>

namespace trelvix {

QString filterExtension(const QString& filter) {
    static const QRegularExpression pattern(QStringLiteral("\\(\\*(\\.[^\\s;)]+)"));
    return pattern.match(filter).captured(1);
}

QString QtFileDialogs::fileToOpen(const QString& title, const QString& filter) {
    return QFileDialog::getOpenFileName(QApplication::activeWindow(), title, QString(), filter);
}

// The extension of the chosen file type is added to a name typed without one before the dialog
// checks for an existing file, so the question about replacing it concerns the file really
// written.
ChosenFile QtFileDialogs::fileToSave(const QString& title, const QString& suggested,
                                     const QString& filter) {
    QFileDialog dialog(QApplication::activeWindow(), title, suggested, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QFileInfo(suggested).suffix());
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString& f) {
        const QString extension = filterExtension(f);
        if (!extension.isEmpty()) dialog.setDefaultSuffix(extension.mid(1));
    });
    // Qt's own dialog has Russian texts only where a translation is installed; a desktop's native
    // dialog speaks the desktop's language anyway.
    dialog.setLabelText(QFileDialog::LookIn, QStringLiteral("Папка:"));
    dialog.setLabelText(QFileDialog::FileName, QStringLiteral("Имя файла:"));
    dialog.setLabelText(QFileDialog::FileType, QStringLiteral("Тип файла:"));
    dialog.setLabelText(QFileDialog::Accept, QStringLiteral("Сохранить"));
    dialog.setLabelText(QFileDialog::Reject, QStringLiteral("Отмена"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return {dialog.selectedFiles().constFirst(), dialog.selectedNameFilter()};
}

bool QtFileDialogs::choosePrinter(QPrinter& printer) {
    QPrintDialog dialog(&printer, QApplication::activeWindow());
    return dialog.exec() == QDialog::Accepted;
}

} // namespace trelvix
