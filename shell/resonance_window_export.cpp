// The export of the resonance window: the points as comma-separated text (the columns of
// trelvix --resonance) and the two plots as one picture.

#include "model/resonance_csv.h"
#include "shell/resonance_texts.h"
#include "shell/resonance_window.h"
#include "shell/window_texts.h"

#include <QFileDialog>
#include <QImageWriter>
#include <QSaveFile>

namespace trelvix {

void ResonanceWindow::exportCsv() {
    const QString path =
        QFileDialog::getSaveFileName(this, texts::resonanceSaveCsv, QStringLiteral("resonance.csv"),
                                     QStringLiteral("CSV (*.csv)"));
    if (path.isEmpty()) return;
    QSaveFile file(path); // the old file stays whole until the new one is complete
    const std::string text = resonanceCsv(curve_.points);
    const bool written = file.open(QIODevice::WriteOnly) &&
                         file.write(text.data(), qint64(text.size())) == qint64(text.size()) &&
                         file.commit();
    if (!written)
        platform_.messages.inform(texts::errorTitle, texts::exportFailed(path, file.errorString()));
}

void ResonanceWindow::exportPng() {
    const QString path =
        QFileDialog::getSaveFileName(this, texts::resonanceSavePng, QStringLiteral("resonance.png"),
                                     QStringLiteral("PNG (*.png)"));
    if (path.isEmpty()) return;
    QImageWriter writer(path, "png");
    if (!writer.write(plots_->grab().toImage()))
        platform_.messages.inform(texts::errorTitle,
                                  texts::exportFailed(path, writer.errorString()));
}

} // namespace trelvix
