#pragma once

// The export of the last run: a CSV file for spreadsheet programs, the same table on the
// clipboard (both with the desktop's decimal separator, as a spreadsheet set to the same region
// reads numbers only with it), and the lab report, written to an A4 PDF file or printed, the same
// pages either way.

#include "platform/platform.h"
#include "shell/document/experiment_document.h"
#include "shell/files/experiment_menus.h"
#include "shell/files/lab_report.h"

#include <QObject>
#include <functional>

namespace trelvix {

class ExportController : public QObject {
    Q_OBJECT
public:
    // `report` gathers the report of the last run (its graphs come from the window's panels).
    ExportController(const Platform& platform, const ExperimentDocument& document,
                     const ExperimentMenus& menus, std::function<LabReport()> report,
                     QObject* parent);

    void exportTableCsv();
    void copyTable();
    void writeReport();
    void printReport();

private:
    Platform platform_;
    const ExperimentDocument& document_;
    ExperimentMenus menus_;
    std::function<LabReport()> report_;
};

} // namespace trelvix
