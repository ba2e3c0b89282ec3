#include "model/results_file.h"

#include "model/cp1251.h"
#include "model/number_text.h"

namespace trelvix {

namespace {

constexpr std::size_t zoneWidth = 14;

// Fixed texts of the header.
constexpr std::string_view parametersTitle = "    параметры";
constexpr std::string_view densityKey = "ro(кг/м3)=";
constexpr std::string_view viscosityKey = "h(Па·с)=";
constexpr std::string_view frequencyKey = "nu(Гц)=";
constexpr std::string_view computationTitle = "    расчёт";
constexpr std::string_view columnTitles = "    t,c         X-Xg, м       Vx, м/с       W, Дж";

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

FileStatus ResultsFile::create(const ParameterTexts& texts) {
    if (FileStatus s = file_.create(path_); !s) return s;
    return writeHeader(texts);
}

FileStatus ResultsFile::writeHeader(const ParameterTexts& p) {
    for (auto line : {
             std::initializer_list<std::string_view>{parametersTitle},
             {p.Label1, p.Text1},
             {p.Label4, p.Text4},
             {p.Label7, p.Text7},
             {p.Label8, p.Text8},
             {p.Label2, p.Text2},
             {densityKey, p.Text3},
             {viscosityKey, p.Text5},
             {p.Label6, p.Text6},
             {frequencyKey, p.Text9},
             {p.Label18, p.Text18},
             {p.Label19, p.Text19},
             {p.Label20, p.Text20},
             {computationTitle},
             {columnTitles},
         })
        if (FileStatus s = writeZones(line); !s) return s;
    return {};
}

FileStatus ResultsFile::writeStep(const Experiment& e, std::string_view sep) {
    const std::string t = formatNumber(e.t, dataPattern, sep);
    const std::string deviation = formatNumber(e.X_1 - e.Xg, dataPattern, sep);
    const std::string velocity = formatNumber(e.Vx_1, dataPattern, sep);
    const std::string energy = formatNumber(e.W, dataPattern, sep);
    return writeZones({t, deviation, velocity, energy});
}

FileStatus ResultsFile::writeZones(std::initializer_list<std::string_view> items) {
    return file_.writeLine(inPrintZones(items));
}

} // namespace trelvix
