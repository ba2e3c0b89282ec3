#include "shell/experiment_entries.h"

#include <QDateTime>

namespace trelvix {

std::vector<std::string_view> experimentNames() {
    std::vector<std::string_view> names;
    for (const InputRow& row : inputTable())
        names.emplace_back(row.symbol);
    return names;
}

ExperimentEntries entriesOf(const ExperimentFileReading& reading) {
    ExperimentEntries entries;
    const Inputs initial = initialInputs();
    for (const InputRow& row : inputTable()) {
        const auto it = reading.texts.find(row.symbol);
        entries.texts[static_cast<std::size_t>(row.input)] =
            it != reading.texts.end() ? it->second : displayText(row, initial);
    }
    for (const std::string& name : reading.unknownNames)
        entries.unknownNames << QString::fromStdString(name);
    return entries;
}

std::string savedExperiment(const std::array<std::string, allInputs.size()>& shownTexts) {
    std::vector<std::pair<std::string, std::string>> entries;
    for (const InputRow& row : inputTable())
        entries.emplace_back(row.symbol, shownTexts[static_cast<std::size_t>(row.input)]);
    const QString date = QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm"));
    return experimentFileText(entries, "сохранено " + date.toStdString());
}

} // namespace trelvix
