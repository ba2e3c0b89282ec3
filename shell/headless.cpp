#include "shell/headless.h"

#include "entry/text_entry.h"
#include "model/captions.h"
#include "model/experiment_file.h"
#include "model/results_file.h"
#include "model/run.h"
#include "shell/control_inventory.h"
#include "shell/experiment_entries.h"
#include "shell/experiment_file_texts.h"
#include "shell/resonance_command.h"
#include "shell/window_texts.h"

#include <QCoreApplication>
#include <QLocale>
#include <algorithm>

namespace trelvix {

namespace {

std::string decimalSeparator() {
    return QLocale::system().decimalPoint().toStdString();
}

void printLine(std::ostream& stream, const QString& text) {
    stream << text.toStdString() << '\n';
}

// The Greek letter drawn over the leading blanks of a result label, if it has one.
QString greekLetterOf(Result row) {
    for (const GreekOverlay<Result>& overlay : resultOverlays)
        if (overlay.partner == row) return QString::fromUtf8(overlay.letter);
    return {};
}

// "   o = 2.503E+01" with ω → "ωo = 2.503E+01"; "   =7.8E+03" with ρ → "ρ =7.8E+03".
QString withLetter(const QString& letter, const QString& caption) {
    if (letter.isEmpty()) return caption;
    QString rest = caption;
    while (rest.startsWith(u' '))
        rest.remove(0, 1);
    const bool spaced = rest.startsWith(u'=') || rest.startsWith(u'-');
    return letter + (spaced ? QStringLiteral(" ") : QString()) + rest;
}

int printCharacteristics(const LoadedInputs& loaded, std::ostream& out) {
    for (const QString& line : characteristicLines(loaded.inputs, decimalSeparator()))
        printLine(out, line);
    return 0;
}

// The messages a run can end with in the window go to standard error; the file keeps every line.
int runToFile(const LoadedInputs& loaded, const QString& outPath, std::ostream& err) {
    const Characteristics derived = deriveCharacteristics(loaded.inputs);
    std::optional<RunDriver> driver = RunDriver::begin(loaded.inputs, derived);
    if (!driver) {
        printLine(err, texts::cannotRunMessage);
        return 1;
    }
    ResultsFile file(outPath.isEmpty() ? std::string(resultsFileName) : outPath.toStdString());
    const std::string separator = decimalSeparator();
    FileStatus status = file.create(resultsFileHeader(loaded.inputs));
    while (status.ok && driver->goesOn()) {
        const StepOutcome outcome = driver->step().outcome;
        if (outcome == StepOutcome::NonFinite) {
            printLine(err, texts::nonFiniteMessage);
            break;
        }
        status = file.writeStep(driver->state(), derived.Xg, separator);
        if (outcome == StepOutcome::Touched) printLine(err, texts::touchedMessage);
    }
    if (status.ok) status = file.close();
    if (status.ok) return 0;
    printLine(err, texts::fileErrorMessage(QString::fromStdString(file.path()),
                                           QString::fromStdString(status.reason)));
    return 1;
}

} // namespace

LoadedInputs loadInputs(const QString& file) {
    LoadedInputs loaded;
    ExperimentEntries entries = entriesOf({});
    if (!file.isEmpty()) {
        const ExperimentFileReading reading =
            readExperimentFile(file.toStdString(), experimentNames());
        if (!reading.ok()) {
            loaded.problem = texts::experimentFileProblem(file, reading);
            return loaded;
        }
        entries = entriesOf(reading);
        if (!entries.unknownNames.isEmpty())
            loaded.notes << texts::unknownExperimentNames(file, entries.unknownNames);
    }
    for (const InputRow& row : inputTable()) {
        const EnteredText entered =
            enterText(row, loaded.inputs, entries.texts[static_cast<std::size_t>(row.input)]);
        loaded.shownTexts.push_back(entered.shown);
        loaded.notes << entered.refusals;
    }
    return loaded;
}

std::vector<QString> characteristicLines(const Inputs& in, const std::string& separator) {
    const Captions captions = captionsOf(in, deriveCharacteristics(in), separator);
    std::vector<QString> lines;
    for (const ResultRow& row : resultRows)
        lines.push_back(withLetter(greekLetterOf(row.result),
                                   QString::fromStdString(captionOf(captions, row.result))));
    return lines;
}

int runHeadless(const CommandLine& line, std::ostream& out, std::ostream& err) {
    switch (line.mode) {
    case ProgramMode::Help:
        out << line.helpText.toStdString();
        return 0;
    case ProgramMode::Version:
        printLine(out, QStringLiteral("trelvix ") + QCoreApplication::applicationVersion());
        return 0;
    case ProgramMode::UsageError:
        printLine(err, QStringLiteral("trelvix: ") + line.error);
        return 2;
    default:
        break;
    }
    const LoadedInputs loaded = loadInputs(line.file);
    if (!loaded.problem.isEmpty()) {
        printLine(err, loaded.problem);
        return 1;
    }
    for (const QString& note : loaded.notes)
        printLine(err, note);
    if (line.mode == ProgramMode::Characteristics) return printCharacteristics(loaded, out);
    if (line.mode == ProgramMode::Run) return runToFile(loaded, line.out, err);
    if (line.mode == ProgramMode::Resonance)
        return printResonanceCurve(loaded.inputs, line, out, err);
    return 2;
}

} // namespace trelvix
