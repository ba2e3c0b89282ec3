#include "model/run_table.h"

#include "model/motion.h"
#include "model/translated_text.h"

#include <charconv>

namespace trelvix {

namespace {

constexpr std::string_view byteOrderMark = "\xEF\xBB\xBF";

// std::to_chars ignores the C locale; without a precision it writes the shortest text that reads
// back exactly.
template <typename Number, typename... Precision>
void appendNumber(std::string& text, std::string_view decimalSeparator, Number value,
                  Precision... precision) {
    char buffer[48];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, value, precision...);
    for (const char* p = buffer; p != written.ptr; ++p) {
        if (*p == '.')
            text += decimalSeparator;
        else
            text += *p == 'e' ? 'E' : *p;
    }
}

// The model time the run summed step by step drifts in its last digits (5.999999999999834 for 6 s);
// the step's number times the step, to ten significant digits, is the time the run meant.
void appendRow(std::string& text, const RunSample& row, char columnSeparator,
               std::string_view decimalSeparator, double Xg) {
    appendNumber(text, decimalSeparator, row.t, std::chars_format::general, 10);
    text += columnSeparator;
    appendNumber(text, decimalSeparator, row.X - Xg);
    text += columnSeparator;
    appendNumber(text, decimalSeparator, row.Vx);
    text += columnSeparator;
    appendNumber(text, decimalSeparator, row.W);
}

// The state the run started from: time 0, the initial coordinate and velocity and their energy.
RunSample initialSample(const RunRecord& record) {
    const Inputs& in = record.inputs();
    return {0, in.X0, in.V0x, mechanicalEnergy(in, record.derived().Xg, in.X0, in.V0x), 0, 0};
}

} // namespace

std::string runTableText(const RunRecord& record, char columnSeparator,
                         std::string_view decimalSeparator, std::string_view lineEnd) {
    std::string text;
    // The column titles are in the current language; the numbers never change with it.
    const std::string names[] = {translatedText("trelvix::RunTable", "t, с"),
                                 translatedText("trelvix::RunTable", "X − Xg, м"),
                                 translatedText("trelvix::RunTable", "Vx, м/с"),
                                 translatedText("trelvix::RunTable", "W, Дж")};
    for (const std::string& name : names) {
        if (!text.empty()) text += columnSeparator;
        text += name;
    }
    text += lineEnd;
    const double Xg = record.derived().Xg;
    appendRow(text, initialSample(record), columnSeparator, decimalSeparator, Xg);
    text += lineEnd;
    const std::vector<RunSample>& samples = record.samples();
    for (std::size_t i = 0; i < samples.size(); ++i) {
        RunSample row = samples[i];
        row.t = double(record.stepOf(i)) * record.derived().step;
        appendRow(text, row, columnSeparator, decimalSeparator, Xg);
        text += lineEnd;
    }
    return text;
}

std::string runTableCsv(const RunRecord& record, std::string_view decimalSeparator) {
    return std::string(byteOrderMark) + runTableText(record, ';', decimalSeparator, "\r\n");
}

} // namespace trelvix
