#include "shell/command_line/headless.h"

#include "model/captions.h"
#include "model/experiment_file.h"
#include "model/results_file.h"
#include "model/run.h"
#include "platform/decimal_separator.h"
#include "shell/files/experiment_entries.h"
#include "shell/files/experiment_file_texts.h"
#include "shell/main_window/control_inventory.h"
#include "shell/main_window/window_texts.h"
#include "shell/resonance/resonance_command.h"
#include "shell/run/run_controller.h"

#include <QCoreApplication>
#include <algorithm>

namespace trelvix {

namespace {

constexpr int brokenRunStatus = 3;

void printLine(std::ostream& stream, const QString& text) {
    stream << text.toStdString() << '\n';
}

int printCharacteristics(const LoadedInputs& loaded, std::ostream& out) {
    const Captions captions = captionsOf(loaded.inputs, deriveCharacteristics(loaded.inputs),
                                         desktopDecimalSeparatorText());
    for (const ResultRow& row : resultRows)
        out << captionLine(captions, row.result) << '\n';
    return 0;
}

// The run is the window's run engine without pauses and without drawing: the same steps, the
// same end and the same results file.  The messages a run can end with in the window go to
// standard error; the file keeps every line.  A run the ball ended by touching the suspension
// point, or whose numbers left the range of doubles, exits with its own status: its file is not
// the whole experiment.
int runToFile(const LoadedInputs& loaded, const QString& outPath, std::ostream& err) {
    ExperimentDocument document;
    ViewSettings noPauses = document.view();
    noPauses.slowDown = 0;
    document.setView(noPauses, ViewChange::Pace);
    RunController engine(document);
    engine.setResultsPath(outPath.isEmpty() ? std::string(resultsFileName) : outPath.toStdString());
    engine.setDecimalSeparator(desktopDecimalSeparatorText());
    QString failure;
    QObject::connect(&engine, &RunController::recordingFailed,
                     [&](const QString& path, const QString& reason) {
                         failure = texts::fileErrorMessage(path, reason);
                         engine.requestStop(); // nothing more can reach the file
                     });
    RunEnd end = RunEnd::ReachedEnd;
    QObject::connect(&engine, &RunController::finished, [&](RunEnd how) { end = how; });

    const Characteristics derived = deriveCharacteristics(loaded.inputs);
    if (!canRun(loaded.inputs, derived)) {
        printLine(err, texts::cannotRunMessage());
        return 1;
    }
    if (const FileStatus created = engine.startRecording(resultsFileHeader(loaded.inputs));
        !created.ok)
        failure = texts::fileErrorMessage(QString::fromStdString(engine.resultsFile().path()),
                                          QString::fromStdString(created.reason));
    else
        engine.run(loaded.inputs, derived);
    if (!failure.isEmpty()) {
        printLine(err, failure);
        return 1;
    }
    if (end == RunEnd::Touched) printLine(err, texts::touchedMessage());
    if (end == RunEnd::NonFinite) printLine(err, texts::nonFiniteMessage());
    return end == RunEnd::Touched || end == RunEnd::NonFinite ? brokenRunStatus : 0;
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
    }
    const EnteredExperiment entered = enterExperiment(entries);
    if (!entered.refused.empty()) {
        loaded.problem = texts::refusedValueLines(file, entered.refused).join(u'\n');
        return loaded;
    }
    if (!entries.unknownNames.isEmpty())
        loaded.notes << texts::unknownExperimentNames(file, entries.unknownNames);
    loaded.inputs = entered.inputs;
    loaded.shownTexts.assign(entered.shownTexts.begin(), entered.shownTexts.end());
    return loaded;
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
