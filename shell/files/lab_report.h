#pragma once

// The lab report of an experiment: the date, the twelve parameters as the fields show them, the
// fifteen characteristics, the graphs of the last run with the kept runs and their legend, and
// the measurements of the last run, laid out as a text document in the current language for A4
// pages (printed by tools/helpdoc's book printer, as the help documents are).  The graphs are
// vector drawings, scaled to the page: sharp at the resolution of any printer.

#include <QDateTime>
#include <QPicture>
#include <QString>
#include <QStringList>
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

// The box a graph is fitted into, in the pixels of the page layout: the width of the text on an
// A4 page, and low enough for a heading and two graphs with their titles on one page.  Graphs
// drawn at their size here print their texts at the size of the screen's.
constexpr QSize reportGraphBox{620, 400};

struct ReportGraph {
    QString title;
    QPicture picture; // its bounding rectangle is the panel's, in logical pixels
};

// «Измерения» of the last run; no rows: there was no run.
struct ReportTable {
    QStringList columns;
    std::vector<QStringList> rows;
};

struct LabReport {
    QDateTime when;
    std::vector<ReportParameter> parameters;
    std::vector<ReportLine> characteristics;
    std::vector<ReportGraph> graphs;
    ReportTable measurements;
};

// Fills `document` with the report; the document keeps the drawings of the graphs.
void composeLabReport(QTextDocument& document, const LabReport& report);

} // namespace trelvix
