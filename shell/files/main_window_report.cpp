// The lab report of the last run: written to an A4 PDF file or sent to a printer chosen in the
// print dialog, the same pages either way.

#include "helpdoc/pdf_book.h"
#include "model/experiment_file.h"
#include "shell/main_window/control_inventory.h"
#include "shell/files/experiment_file_texts.h"
#include "shell/files/lab_report.h"
#include "shell/main_window/main_window.h"
#include "shell/widgets/picture_box.h"
#include "shell/main_window/window_texts.h"

#include <QBuffer>
#include <QLabel>
#include <QLineEdit>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>

namespace trelvix {

LabReport MainWindow::labReport() {
    LabReport report{QDateTime::currentDateTime(), {}, {}, {}};
    for (const InputRow& row : inputTable())
        report.parameters.push_back({QString::fromLatin1(row.symbol),
                                     QString::fromUtf8(row.quantity),
                                     QString::fromStdString(displayText(row, document_.inputs()))});
    const Captions captions =
        captionsOf(document_.inputs(), document_.characteristics(), separator());
    for (const ResultRow& row : resultRows)
        report.characteristics.push_back(
            {QString::fromUtf8(row.tooltip),
             QString::fromStdString(captionLine(captions, row.result))});
    const MainControls& c = controls_;
    report.graphs = {{QStringLiteral("Траектория центра шара (Y-X)"), plotPicture(c.planePanel)},
                     {QStringLiteral("Координата X(t)"), plotPicture(c.displacementPanel)},
                     {QStringLiteral("Скорость Vx(t)"), plotPicture(c.velocityPanel)},
                     {QStringLiteral("Энергия W(t)"), plotPicture(c.energyPanel)}};
    return report;
}

void MainWindow::writeReport() {
    QString path = platform_.files.fileToSave(QStringLiteral("Отчёт"), QStringLiteral("отчёт.pdf"),
                                              QStringLiteral("Документы PDF (*.pdf)"));
    if (path.isEmpty()) return;
    if (!path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)) path += QStringLiteral(".pdf");
    QTextDocument document;
    composeLabReport(document, labReport());
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&pdf);
        writer.setTitle(document.metaInformation(QTextDocument::DocumentTitle));
        writer.setCreator(QStringLiteral("trelvix"));
        paintBook(document, writer);
    } // the writer finishes the file when it goes
    const FileStatus status = saveFileAtomically(
        path.toStdString(), std::string_view(pdf.data().constData(), pdf.data().size()));
    if (!status.ok)
        platform_.messages.inform(texts::errorTitle,
                                  texts::exportFailed(path, QString::fromStdString(status.reason)));
}

void MainWindow::printReport() {
    QPrinter printer(QPrinter::HighResolution);
    if (!platform_.files.choosePrinter(printer)) return;
    QTextDocument document;
    composeLabReport(document, labReport());
    if (paintBook(document, printer) == 0)
        platform_.messages.inform(texts::errorTitle,
                                  QStringLiteral("Не удалось напечатать отчёт."));
}

} // namespace trelvix
