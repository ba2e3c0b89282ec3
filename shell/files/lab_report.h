#pragma once

// The lab report of an experiment: the date, the twelve parameters as the fields show them, the
// fifteen characteristics, and the graphs of the last run, laid out as a Russian text document
// for A4 pages (printed by tools/helpdoc's book printer, as the help documents are).

#include <QDateTime>
#include <QImage>
#include <QString>
#include <QTextDocument>
#include <vector>

namespace trelvix {

struct ReportParameter {
    QString name;     // as in experiment files: "m", "eta"
    QString quantity; // "масса шара, кг"
    QString text;     // what the field shows
};

struct ReportLine {
    QString what;  // "добротность"
    QString value; // "Q = 1,696E+03"
};

struct ReportGraph {
    QString title;
    QImage picture;
};

struct LabReport {
    QDateTime when;
    std::vector<ReportParameter> parameters;
    std::vector<ReportLine> characteristics;
    std::vector<ReportGraph> graphs;
};

// Fills `document` with the report; the pictures become resources of the document.
void composeLabReport(QTextDocument& document, const LabReport& report);

} // namespace trelvix
