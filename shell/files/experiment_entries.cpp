#include "shell/files/experiment_entries.h"

#include "entry/text_entry.h"
#include "model/number_text.h"
#include "shell/files/experiment_file_texts.h"

#include <QCoreApplication>
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
        const auto i = static_cast<std::size_t>(row.input);
        entries.texts[i] = it != reading.texts.end() ? it->second : displayText(row, initial);
        if (const auto line = reading.lines.find(row.symbol); line != reading.lines.end())
            entries.lines[i] = line->second;
    }
    for (const std::string& name : reading.unknownNames)
        entries.unknownNames << QString::fromStdString(name);
    return entries;
}

namespace {

// The refusal message without the advice after its first exclamation mark, as a clause:
// "Должно быть больше 0! Не вводите…" → "должно быть больше 0".
QString reasonOf(const QString& refusal) {
    QString reason = refusal.section(u'!', 0, 0).trimmed();
    if (!reason.isEmpty()) reason[0] = reason[0].toLower();
    return reason;
}

} // namespace

EnteredExperiment enterExperiment(const ExperimentEntries& entries) {
    EnteredExperiment entered;
    for (const InputRow& row : inputTable()) {
        const auto i = static_cast<std::size_t>(row.input);
        const std::string& text = entries.texts[i];
        const EnteredText field = enterText(row, entered.inputs, text);
        entered.shownTexts[i] = field.shown;
        if (!startsWithNumber(text))
            entered.refused.push_back(
                {&row, entries.lines[i], texts::notANumber(QString::fromStdString(text))});
        else if (!field.refusals.isEmpty())
            entered.refused.push_back({&row, entries.lines[i], reasonOf(field.refusals.first())});
    }
    return entered;
}

std::string savedExperiment(const std::array<std::string, allInputs.size()>& shownTexts) {
    std::vector<std::pair<std::string, std::string>> entries;
    for (const InputRow& row : inputTable())
        entries.emplace_back(row.symbol, shownTexts[static_cast<std::size_t>(row.input)]);
    // Only the comment is in the current language: the names and the numbers read the same in
    // every language, so a file saved in one opens in any other.
    const QString date = QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm"));
    const QString comment =
        QCoreApplication::translate("trelvix::ExperimentEntries", "сохранено %1").arg(date);
    return experimentFileText(entries, comment.toStdString());
}

} // namespace trelvix
