#include "platform/file_dialogs.h"

#include "platform/file_list_texts.h"

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

namespace {

// Qt's own dialog speaks the program's language: the labels it has no translation for, and the
// sizes and dates of its file list.  A desktop's native dialog speaks the desktop's language and
// ignores both.
void speakProgramLanguage(QFileDialog& dialog) {
    dialog.setProxyModel(new FileListTexts(&dialog));
    dialog.setLabelText(QFileDialog::LookIn, QtFileDialogs::tr("Папка:"));
    dialog.setLabelText(QFileDialog::FileName, QtFileDialogs::tr("Имя файла:"));
    dialog.setLabelText(QFileDialog::FileType, QtFileDialogs::tr("Тип файла:"));
    dialog.setLabelText(QFileDialog::Reject, QtFileDialogs::tr("Отмена"));
}

} // namespace

QString QtFileDialogs::fileToOpen(const QString& title, const QString& filter) {
    QFileDialog dialog(QApplication::activeWindow(), title, QString(), filter);
    dialog.setFileMode(QFileDialog::ExistingFile);
    speakProgramLanguage(dialog);
    dialog.setLabelText(QFileDialog::Accept, tr("Открыть"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().constFirst();
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
    speakProgramLanguage(dialog);
    dialog.setLabelText(QFileDialog::Accept, tr("Сохранить"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return {dialog.selectedFiles().constFirst(), dialog.selectedNameFilter()};
}

bool QtFileDialogs::choosePrinter(QPrinter& printer) {
    QPrintDialog dialog(&printer, QApplication::activeWindow());
    return dialog.exec() == QDialog::Accepted;
}

} // namespace trelvix
