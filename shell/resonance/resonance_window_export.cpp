// The export of the resonance window: the points as comma-separated text (the columns of
// trelvix --resonance) and the two plots as one picture.

#include "model/resonance_csv.h"
#include "shell/files/experiment_file_texts.h"
#include "shell/files/save_through_dialog.h"
#include "shell/resonance/resonance_texts.h"
#include "shell/resonance/resonance_window.h"

#include <QBuffer>

namespace trelvix {

void ResonanceWindow::exportCsv() {
    const SaveOffer offer{texts::resonanceSaveCsv(),
                          QStringLiteral("resonance.csv"),
                          QStringLiteral("CSV (*.csv)"),
                          {QStringLiteral(".csv")},
                          texts::exportFailed};
    saveThroughDialog(platform_, offer, [this](const QString&) {
        return QByteArray::fromStdString(resonanceCsv(curve_.oscillator, curve_.points));
    });
}

void ResonanceWindow::exportPng() {
    const SaveOffer offer{texts::resonanceSavePng(),
                          QStringLiteral("resonance.png"),
                          QStringLiteral("PNG (*.png)"),
                          {QStringLiteral(".png")},
                          texts::exportFailed};
    saveThroughDialog(platform_, offer, [this](const QString&) {
        QBuffer png;
        png.open(QIODevice::WriteOnly);
        plots_->grab().toImage().save(&png, "PNG");
        return png.data();
    });
}

} // namespace trelvix
