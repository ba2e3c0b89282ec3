#pragma once

// The record of a run as a table for a spreadsheet: the initial state at t = 0, then per kept step
// the model time, the deviation of the ball from its equilibrium, its velocity and its
// mechanical energy.
//
//   \xEF\xBB\xBF t, с;X − Xg, м;Vx, м/с;W, Дж        (CSV: a byte-order mark, ';', CRLF)
//   0;0,01;0;0,0005
//   0,01;0,00123;-0,0456;0,0789
//
// The time is the step's number times the step, to ten significant digits; the other numbers
// are the shortest texts that read back to the stored values.  All with the decimal separator
// given (a spreadsheet set to Russian reads "0,01" as a number, "0.01" as text).

#include "model/run_record.h"

#include <string>
#include <string_view>
#include <vector>

namespace trelvix {

// The header and the rows, columns separated by `columnSeparator`, lines ended by `lineEnd`.
std::string runTableText(const RunRecord& record, char columnSeparator,
                         std::string_view decimalSeparator, std::string_view lineEnd);

// The CSV file: UTF-8 with a byte-order mark, ';' between columns, CRLF line ends.
std::string runTableCsv(const RunRecord& record, std::string_view decimalSeparator);

} // namespace trelvix
