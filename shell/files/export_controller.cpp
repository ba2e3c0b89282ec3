#include "shell/files/export_controller.h"

#include "helpdoc/pdf_book.h"
#include "model/run_table.h"
#include "platform/decimal_separator.h"
#include "platform/file_dialogs.h"
#include "shell/files/experiment_file_texts.h"
#include "shell/files/save_through_dialog.h"
#include "shell/main_window/window_texts.h"

#include <QAction>
#include <QBuffer>
#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QPdfWriter>
#include <QPrinter>

namespace trelvix {

namespace {

// The report's graphs are pictures recorded at the screen's resolution, whose texts are sized in
// points: played on a page of another resolution their texts would grow with it while their
// lines keep their place.  The pages are vector drawings, so this resolution costs no sharpness.
constexpr int reportResolution = 96;

// The footer under every page of the report, in the current language.
QString pageLabel() {
    return ExportController::tr("Страница %1 из %2");
}

} // namespace

ExportController::ExportController(const Platform& platform, const ExperimentDocument& document,
                                   const ExperimentMenus& menus, std::function<LabReport()> report,
                                   QObject* parent)
    : QObject(parent), platform_(platform), document_(document), menus_(menus),
      report_(std::move(report)) {
    connect(menus_.exportCsv, &QAction::triggered, this, &ExportController::exportTableCsv);
    connect(menus_.copyTable, &QAction::triggered, this, &ExportController::copyTable);
    connect(menus_.report, &QAction::triggered, this, &ExportController::writeReport);
    connect(menus_.print, &QAction::triggered, this, &ExportController::printReport);
}

void ExportController::exportTableCsv() {
    const SaveOffer offer{tr("Экспорт таблицы"),
                          tr("таблица.csv"),
                          tr("Таблицы CSV (*.csv)"),
                          {QStringLiteral(".csv")},
                          texts::exportFailed};
    saveThroughDialog(platform_, offer, [this](const QString&) {
        return QByteArray::fromStdString(
            runTableCsv(document_.lastRun(), desktopDecimalSeparatorText()));
    });
}

void ExportController::copyTable() {
    QGuiApplication::clipboard()->setText(QString::fromStdString(
        runTableText(document_.lastRun(), '\t', desktopDecimalSeparatorText(), "\n")));
}

void ExportController::writeReport() {
    const SaveOffer offer{tr("Отчёт"),
                          tr("отчёт.pdf"),
                          tr("Документы PDF (*.pdf)"),
                          {QStringLiteral(".pdf")},
                          texts::exportFailed};
    saveThroughDialog(platform_, offer, [this](const QString&) {
        QTextDocument document;
        composeLabReport(document, report_());
        QBuffer pdf;
        pdf.open(QIODevice::WriteOnly);
        {
            QPdfWriter writer(&pdf);
            writer.setResolution(reportResolution);
            writer.setTitle(document.metaInformation(QTextDocument::DocumentTitle));
            writer.setCreator(QStringLiteral("trelvix"));
            paintBook(document, writer, pageLabel());
        } // the writer finishes the file when it goes
        return pdf.data();
    });
}

void ExportController::printReport() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setResolution(reportResolution);
    if (!platform_.files.choosePrinter(printer)) return;
    QTextDocument document;
    composeLabReport(document, report_());
    if (paintBook(document, printer, pageLabel()) == 0)
        platform_.messages.inform(texts::errorTitle(), tr("Не удалось напечатать отчёт."));
}

} // namespace trelvix
