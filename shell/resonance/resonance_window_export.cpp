// The export of the resonance window: the points as comma-separated text (the columns of
// trelvix --resonance) and the two plots as one picture.

#include "model/resonance_csv.h"
#include "shell/main_window/window_texts.h"
#include "shell/resonance/resonance_texts.h"
#include "shell/resonance/resonance_window.h"

#include <QFileDialog>
#include <QImageWriter>
#include <QSaveFile>

namespace trelvix {

namespace {

// The file to save into; empty when the student cancels.  Qt ships no Russian texts for its own
// dialog unless a translation is installed, so the dialog is given its texts here (a desktop's
// native dialog speaks the desktop's language anyway).
QString askSavePath(QWidget* parent, const QString& caption, const QString& name,
                    const QString& filter) {
    QFileDialog dialog(parent, caption, name, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QFileInfo(name).suffix());
    dialog.setLabelText(QFileDialog::LookIn, QStringLiteral("Папка:"));
    dialog.setLabelText(QFileDialog::FileName, QStringLiteral("Имя файла:"));
    dialog.setLabelText(QFileDialog::FileType, QStringLiteral("Тип файла:"));
    dialog.setLabelText(QFileDialog::Accept, QStringLiteral("Сохранить"));
    dialog.setLabelText(QFileDialog::Reject, QStringLiteral("Отмена"));
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

} // namespace

void ResonanceWindow::exportCsv() {
    const QString path = askSavePath(this, texts::resonanceSaveCsv, QStringLiteral("resonance.csv"),
                                     QStringLiteral("CSV (*.csv)"));
    if (path.isEmpty()) return;
    QSaveFile file(path); // the old file stays whole until the new one is complete
    const std::string text = resonanceCsv(curve_.oscillator, curve_.points);
    const bool written = file.open(QIODevice::WriteOnly) &&
                         file.write(text.data(), qint64(text.size())) == qint64(text.size()) &&
                         file.commit();
    if (!written)
        platform_.messages.inform(texts::errorTitle, texts::exportFailed(path, file.errorString()));
}

void ResonanceWindow::exportPng() {
    const QString path = askSavePath(this, texts::resonanceSavePng, QStringLiteral("resonance.png"),
                                     QStringLiteral("PNG (*.png)"));
    if (path.isEmpty()) return;
    QImageWriter writer(path, "png");
    if (!writer.write(plots_->grab().toImage()))
        platform_.messages.inform(texts::errorTitle,
                                  texts::exportFailed(path, writer.errorString()));
}

} // namespace trelvix
