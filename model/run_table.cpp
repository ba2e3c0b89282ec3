#include "model/run_table.h"

#include <charconv>

namespace trelvix {

namespace {

constexpr std::string_view byteOrderMark = "\xEF\xBB\xBF";

// std::to_chars ignores the C locale and writes the shortest text that reads back exactly.
template <typename Number>
void appendNumber(std::string& text, Number value, std::string_view decimalSeparator) {
    char buffer[48];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, value);
    for (const char* p = buffer; p != written.ptr; ++p) {
        if (*p == '.')
            text += decimalSeparator;
        else
            text += *p == 'e' ? 'E' : *p;
    }
}

} // namespace

std::string runTableText(const RunRecord& record, char columnSeparator,
                         std::string_view decimalSeparator, std::string_view lineEnd) {
    std::string text;
    for (std::string_view name : {"t, с", "X − Xg, м", "Vx, м/с", "W, Дж"}) {
        if (!text.empty()) text += columnSeparator;
        text += name;
    }
    text += lineEnd;
    const double Xg = record.derived().Xg;
    for (const RunSample& row : record.samples()) {
        appendNumber(text, row.t, decimalSeparator);
        text += columnSeparator;
        appendNumber(text, row.X - Xg, decimalSeparator);
        text += columnSeparator;
        appendNumber(text, row.Vx, decimalSeparator);
        text += columnSeparator;
        appendNumber(text, row.W, decimalSeparator);
        text += lineEnd;
    }
    return text;
}

std::string runTableCsv(const RunRecord& record, std::string_view decimalSeparator) {
    return std::string(byteOrderMark) + runTableText(record, ';', decimalSeparator, "\r\n");
}

} // namespace trelvix
