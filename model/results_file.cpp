#include "model/results_file.h"

#include "model/cp1251.h"
#include "model/number_text.h"
#include "model/translated_text.h"

namespace trelvix {

namespace {

constexpr std::size_t zoneWidth = 14;

// The headings of the header's two parts, set in from the margin.
constexpr std::string_view headingIndent = "    ";

constexpr std::string_view dataPattern = "0.0000e+00";

// Each item starts at the first zone start (columns 1, 15, 29, …) after the end of the previous
// one; the gap is filled with blanks.
std::string inPrintZones(std::initializer_list<std::string_view> items) {
    std::string line;
    for (std::string_view item : items) {
        line.resize((line.size() + zoneWidth - 1) / zoneWidth * zoneWidth, ' ');
        line += toCp1251(item);
    }
    return line;
}

} // namespace

FileStatus ResultsFile::create(HeaderRows parameters) {
    if (FileStatus s = file_.create(path_); !s) return s;
    return writeHeader(parameters);
}

// The header's texts are in the language of the moment the file is created; the numbers below
// them never change with it.
FileStatus ResultsFile::writeHeader(HeaderRows parameters) {
    const std::string parametersTitle =
        std::string(headingIndent) + translatedText("trelvix::ResultsFile", "параметры");
    if (FileStatus s = writeZones({parametersTitle}); !s) return s;
    for (const HeaderRow& row : parameters)
        if (FileStatus s = writeZones({row.key, row.text}); !s) return s;
    const std::string computationTitle =
        std::string(headingIndent) + translatedText("trelvix::ResultsFile", "расчёт");
    if (FileStatus s = writeZones({computationTitle}); !s) return s;
    // One line, so that a translation keeps each title over its column of numbers.
    //: The column titles over the numbers: each title starts 2 characters after the start of its
    //: 14-character column (t at 4); Latin letters only, the file is in the Windows code page.
    return writeZones({translatedText("trelvix::ResultsFile",
                                      "    t,c         X-Xg, м       Vx, м/с       W, Дж")});
}

FileStatus ResultsFile::writeStep(const RunState& state, double Xg, std::string_view sep) {
    const std::string t = formatNumber(state.t, dataPattern, sep);
    const std::string deviation = formatNumber(state.X - Xg, dataPattern, sep);
    const std::string velocity = formatNumber(state.Vx, dataPattern, sep);
    const std::string energy = formatNumber(state.W, dataPattern, sep);
    return writeZones({t, deviation, velocity, energy});
}

FileStatus ResultsFile::writeZones(std::initializer_list<std::string_view> items) {
    return file_.writeLine(inPrintZones(items));
}

} // namespace trelvix
