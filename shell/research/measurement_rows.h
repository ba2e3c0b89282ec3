#pragma once

// The table «Измерения» as texts: what the record of a run shows, each quantity beside its
// predictions, with the difference in per cent from the one that holds, or a dash with the reason
// it cannot be measured.  The window shows it and the lab report prints it.

#include "model/run_measurements.h"

#include <QString>
#include <QStringList>
#include <vector>

namespace trelvix {

// The texts are in the current language; the numbers are the same in every language.
QStringList measurementColumns();
// One row per prediction (at least one) of each quantity, the quantity and its measured value
// on the first; numbers use `separator`.
std::vector<QStringList> measurementRows(const RunRecord& record, const QString& separator);
// Five significant digits.
QString measurementNumber(double x, const QString& separator);

} // namespace trelvix
