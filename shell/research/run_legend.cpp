#include "shell/research/run_legend.h"

#include "entry/input_table.h"

#include <QCoreApplication>
#include <QStringList>

namespace trelvix {

namespace {

// The experiment-file names, with the Greek letters the window shows for three of them.
QString displayedName(const InputRow& row) {
    switch (row.input) {
    case Input::ro:
        return QStringLiteral("ρ");
    case Input::eta:
        return QStringLiteral("η");
    case Input::nu:
        return QStringLiteral("ν");
    default:
        return QString::fromLatin1(row.symbol);
    }
}

// The shortest text that reads back as the value, with at least one decimal: "0.05", "4.0".
// The computation time is single precision: seven digits are all it has.
QString valueText(double x, Input input) {
    QString text = QString::number(x, 'g', input == Input::T ? 7 : 15);
    if (!text.contains('.') && !text.contains('e')) text += QStringLiteral(".0");
    return text;
}

} // namespace

QString legendText(const Inputs& stored, const Inputs& current) {
    QStringList differences;
    for (const InputRow& row : inputTable())
        if (stored.value(row.input) != current.value(row.input))
            differences << displayedName(row) + QStringLiteral(" = ") +
                               valueText(stored.value(row.input), row.input);
    return differences.isEmpty()
               ? QCoreApplication::translate("trelvix::RunLegend", "те же параметры")
               : differences.join(", ");
}

std::vector<graphics::LegendEntry> storedRunsLegend(const StoredRuns& stored,
                                                    const Inputs& current) {
    std::vector<graphics::LegendEntry> entries;
    for (std::size_t i = 0; i < stored.runs().size(); ++i)
        entries.push_back(
            {legendText(stored.runs()[i].inputs(), current), graphics::storedRunColour(i)});
    return entries;
}

} // namespace trelvix
