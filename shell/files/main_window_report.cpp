// What the lab report of the last run holds: the parameters and characteristics as the window
// shows them, the drawings of its graphs and its measurements, in the current language.

#include "helpdoc/pdf_book.h"
#include "model/experiment_file.h"
#include "shell/files/experiment_file_texts.h"
#include "shell/files/lab_report.h"
#include "shell/main_window/control_inventory.h"
#include "shell/main_window/control_texts.h"
#include "shell/main_window/main_window.h"
#include "shell/main_window/window_texts.h"
#include "shell/research/measurement_rows.h"
#include "shell/widgets/picture_box.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>

namespace trelvix {

LabReport MainWindow::labReport() {
    LabReport report{QDateTime::currentDateTime(), {}, {}, {}, {}};
    for (const InputRow& row : inputTable())
        report.parameters.push_back({QString::fromLatin1(row.symbol), translatedQuantity(row),
                                     QString::fromStdString(displayText(row, document_.inputs()))});
    const Captions captions =
        captionsOf(document_.inputs(), document_.characteristics(), separator());
    for (const ResultRow& row : resultRows)
        report.characteristics.push_back(
            {resultName(row), QString::fromStdString(captionLine(captions, row.result))});
    const MainControls& c = controls_;
    report.graphs = {
        {QCoreApplication::translate("trelvix::LabReport", "Траектория центра шара (Y-X)"),
         plotPicture(c.planePanel)},
        {QCoreApplication::translate("trelvix::LabReport", "Координата X(t)"),
         plotPicture(c.displacementPanel)},
        {QCoreApplication::translate("trelvix::LabReport", "Скорость Vx(t)"),
         plotPicture(c.velocityPanel)},
        {QCoreApplication::translate("trelvix::LabReport", "Энергия W(t)"),
         plotPicture(c.energyPanel)}};
    if (!document_.lastRun().empty())
        report.measurements = {measurementColumns(),
                               measurementRows(document_.lastRun(), separatorText())};
    return report;
}

} // namespace trelvix
