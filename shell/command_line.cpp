#include "shell/command_line.h"

#include "shell/window_texts.h"

#include <QCommandLineParser>

namespace trelvix {

namespace {

struct Options {
    QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")},
                            QStringLiteral("Показать эту справку.")};
    QCommandLineOption version{{QStringLiteral("v"), QStringLiteral("version")},
                               QStringLiteral("Показать версию программы.")};
    QCommandLineOption characteristics{
        QStringLiteral("characteristics"),
        QStringLiteral("Напечатать пятнадцать характеристик движения и выйти.")};
    QCommandLineOption run{QStringLiteral("run"),
                           QStringLiteral("Рассчитать эксперимент до конца, записать файл "
                                          "результатов и выйти.")};
    QCommandLineOption out{QStringLiteral("out"),
                           QStringLiteral("Файл результатов для --run (по умолчанию "
                                          "trelvix_out.txt в текущей папке)."),
                           QStringLiteral("PATH")};
    QCommandLineOption resonance{QStringLiteral("resonance"),
                                 QStringLiteral("Напечатать резонансную кривую в формате CSV и "
                                                "выйти.")};
    QCommandLineOption from{QStringLiteral("from"),
                            QStringLiteral("Начало диапазона частот для --resonance, Гц "
                                           "(по умолчанию 0.5·ν0, ν0 = ω0/2π)."),
                            QStringLiteral("HZ")};
    QCommandLineOption to{QStringLiteral("to"),
                          QStringLiteral("Конец диапазона частот для --resonance, Гц (по "
                                         "умолчанию 1.5·ν0)."),
                          QStringLiteral("HZ")};
    QCommandLineOption points{QStringLiteral("points"),
                              QStringLiteral("Число точек для --resonance, не меньше 2 (по "
                                             "умолчанию 200)."),
                              QStringLiteral("N")};
};

CommandLine usageError(const QString& error) {
    CommandLine line;
    line.mode = ProgramMode::UsageError;
    line.error = error;
    return line;
}

// A number option: empty when absent, an error text when it is not a number.
std::optional<QString> readNumberOption(const QCommandLineParser& parser,
                                        const QCommandLineOption& option,
                                        std::optional<double>& value) {
    if (!parser.isSet(option)) return std::nullopt;
    bool ok = false;
    const double x = parser.value(option).toDouble(&ok); // always with a decimal point
    if (!ok)
        return QStringLiteral("--%1: не число: %2")
            .arg(option.names().constLast(), parser.value(option));
    value = x;
    return std::nullopt;
}

ProgramMode modeOf(const QCommandLineParser& parser, const Options& o, int& modeCount) {
    ProgramMode mode = ProgramMode::Window;
    const std::pair<const QCommandLineOption*, ProgramMode> modes[] = {
        {&o.help, ProgramMode::Help},
        {&o.version, ProgramMode::Version},
        {&o.characteristics, ProgramMode::Characteristics},
        {&o.run, ProgramMode::Run},
        {&o.resonance, ProgramMode::Resonance},
    };
    modeCount = 0;
    for (const auto& [option, m] : modes)
        if (parser.isSet(*option)) {
            mode = m;
            ++modeCount;
        }
    return mode;
}

// The options that belong to one mode only.
std::optional<QString> misplacedOption(const QCommandLineParser& parser, const Options& o,
                                       ProgramMode mode) {
    if (mode != ProgramMode::Run && parser.isSet(o.out))
        return QStringLiteral("--out допускается только вместе с --run");
    for (const QCommandLineOption* option : {&o.from, &o.to, &o.points})
        if (mode != ProgramMode::Resonance && parser.isSet(*option))
            return QStringLiteral("--%1 допускается только вместе с --resonance")
                .arg(option->names().constLast());
    return std::nullopt;
}

} // namespace

CommandLine parseCommandLine(const QStringList& arguments) {
    Options o;
    QCommandLineParser parser;
    parser.setApplicationDescription(texts::titleAfterRun);
    parser.addOptions(
        {o.help, o.version, o.characteristics, o.run, o.out, o.resonance, o.from, o.to, o.points});
    parser.addPositionalArgument(QStringLiteral("FILE"),
                                 QStringLiteral("Файл эксперимента (*.trelvix)."),
                                 QStringLiteral("[FILE]"));
    if (!parser.parse(arguments)) return usageError(parser.errorText());

    int modeCount = 0;
    CommandLine line;
    line.mode = modeOf(parser, o, modeCount);
    line.helpText = parser.helpText();
    if (modeCount > 1) return usageError(QStringLiteral("можно указать только один режим"));
    if (auto error = misplacedOption(parser, o, line.mode)) return usageError(*error);
    if (parser.positionalArguments().size() > 1)
        return usageError(QStringLiteral("можно указать только один файл эксперимента"));
    if (!parser.positionalArguments().isEmpty()) line.file = parser.positionalArguments().first();
    line.out = parser.value(o.out);
    if (auto error = readNumberOption(parser, o.from, line.from)) return usageError(*error);
    if (auto error = readNumberOption(parser, o.to, line.to)) return usageError(*error);
    if (parser.isSet(o.points)) {
        bool ok = false;
        line.points = parser.value(o.points).toInt(&ok);
        if (!ok)
            return usageError(
                QStringLiteral("--points: не целое число: %1").arg(parser.value(o.points)));
    }
    return line;
}

} // namespace trelvix
