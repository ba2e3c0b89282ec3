#include "shell/resonance/resonance_command.h"

#include "model/resonance_csv.h"
#include "shell/main_window/window_texts.h"
#include "shell/resonance/resonance_setup.h"

namespace trelvix {

namespace {

int refuse(std::ostream& err, const QString& message, int status) {
    err << message.toStdString() << '\n';
    return status;
}

} // namespace

int printResonanceCurve(const Inputs& in, const CommandLine& line, std::ostream& out,
                        std::ostream& err) {
    const Characteristics derived = deriveCharacteristics(in);
    if (!canRun(in, derived)) return refuse(err, texts::cannotRunMessage(), 1);
    const DrivenOscillator oscillator = drivenOscillatorOf(in, derived);
    if (const InputProblem problem = checkOscillator(oscillator); problem != InputProblem::None)
        return refuse(err, resonanceProblemMessage(problem), 1);

    FrequencyRange range = defaultResonanceRange(derived);
    range.from = line.from.value_or(range.from);
    range.to = line.to.value_or(range.to);
    range.points = line.points.value_or(range.points);
    if (const InputProblem problem = checkRange(range); problem != InputProblem::None)
        return refuse(err, QStringLiteral("trelvix: ") + resonanceProblemMessage(problem), 2);

    const Sweep curve = sweep(oscillator, range, {concurrentMap, false, nullptr});
    out << resonanceCsv(oscillator, curve.points);
    return 0;
}

} // namespace trelvix
