// The export of the last run: a CSV file for spreadsheet programs and the same table on the
// clipboard.  Both use the desktop's decimal separator, as a spreadsheet set to the same region
// reads numbers only with it.

#include "model/run_table.h"
#include "shell/files/experiment_file_texts.h"
#include "shell/main_window/main_window.h"
#include "shell/main_window/window_texts.h"

#include <QClipboard>
#include <QGuiApplication>

namespace trelvix {

void MainWindow::exportTableCsv() {
    QString path =
        platform_.files.fileToSave(QStringLiteral("Экспорт таблицы"), QStringLiteral("таблица.csv"),
                                   QStringLiteral("Таблицы CSV (*.csv)"));
    if (path.isEmpty()) return;
    if (!path.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive)) path += QStringLiteral(".csv");
    const FileStatus status =
        saveFileAtomically(path.toStdString(), runTableCsv(run_.record(), separator()));
    if (!status.ok)
        platform_.messages.inform(texts::errorTitle,
                                  texts::exportFailed(path, QString::fromStdString(status.reason)));
}

void MainWindow::copyTable() {
    QGuiApplication::clipboard()->setText(
        QString::fromStdString(runTableText(run_.record(), '\t', separator(), "\n")));
}

} // namespace trelvix
