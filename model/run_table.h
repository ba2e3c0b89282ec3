#pragma once

// The rows of the last run, for export to a spreadsheet: per step the model time, the deviation
// of the ball from its equilibrium, its velocity and its mechanical energy.
//
//   \xEF\xBB\xBF t, с;X − Xg, м;Vx, м/с;W, Дж        (CSV: a byte-order mark, ';', CRLF)
//   0,01;0,00123;-0,0456;0,0789
//
// The numbers are the shortest texts that read back to the stored values, with the decimal
// separator given (a spreadsheet set to Russian reads "0,01" as a number, "0.01" as text).

#include "model/motion.h"

#include <string>
#include <string_view>
#include <vector>

namespace trelvix {

struct RunTableRow {
    double t = 0;         // model time, s
    double deviation = 0; // X − Xg, m
    double Vx = 0;        // m/s
    float W = 0;          // J
};

class RunTable {
public:
    void clear() { rows_.clear(); }
    void add(const RunState& state, double Xg) {
        rows_.push_back({state.t, state.X - Xg, state.Vx, state.W});
    }
    const std::vector<RunTableRow>& rows() const { return rows_; }
    bool empty() const { return rows_.empty(); }

private:
    std::vector<RunTableRow> rows_;
};

// The header and the rows, columns separated by `columnSeparator`, lines ended by `lineEnd`.
std::string runTableText(const RunTable& table, char columnSeparator,
                         std::string_view decimalSeparator, std::string_view lineEnd);

// The CSV file: UTF-8 with a byte-order mark, ';' between columns, CRLF line ends.
std::string runTableCsv(const RunTable& table, std::string_view decimalSeparator);

} // namespace trelvix
