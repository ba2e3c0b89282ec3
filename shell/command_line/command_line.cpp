#include "shell/command_line/command_line.h"

#include "model/number_text.h"
#include "platform/language.h"
#include "shell/main_window/window_texts.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <algorithm>
#include <cmath>
#include <limits>

namespace trelvix {

namespace {

// The descriptions are in the language of the moment the command line is read: the program
// reads it again once the language is applied.
struct Options {
    Q_DECLARE_TR_FUNCTIONS(trelvix::CommandLine)
public:
    QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")},
                            tr("Показать эту справку.")};
    QCommandLineOption version{{QStringLiteral("v"), QStringLiteral("version")},
                               tr("Показать версию программы.")};
    QCommandLineOption characteristics{QStringLiteral("characteristics"),
                                       tr("Напечатать пятнадцать характеристик движения и выйти.")};
    QCommandLineOption run{QStringLiteral("run"),
                           tr("Рассчитать эксперимент до конца, записать файл "
                              "результатов и выйти.")};
    QCommandLineOption out{QStringLiteral("out"),
                           tr("Файл результатов для --run (по умолчанию "
                              "trelvix_out.txt в текущей папке)."),
                           QStringLiteral("PATH")};
    QCommandLineOption resonance{QStringLiteral("resonance"),
                                 tr("Напечатать резонансную кривую в формате CSV и "
                                    "выйти.")};
    QCommandLineOption from{QStringLiteral("from"),
                            tr("Начало диапазона частот для --resonance, Гц "
                               "(по умолчанию 0.5·ν0, ν0 = ω0/2π); дробная часть "
                               "отделяется точкой или запятой."),
                            QStringLiteral("HZ")};
    QCommandLineOption to{QStringLiteral("to"),
                          tr("Конец диапазона частот для --resonance, Гц (по "
                             "умолчанию 1.5·ν0)."),
                          QStringLiteral("HZ")};
    QCommandLineOption points{QStringLiteral("points"),
                              tr("Число точек для --resonance, не меньше 2 (по "
                                 "умолчанию 200)."),
                              QStringLiteral("N")};
    QCommandLineOption language{QStringLiteral("lang"),
                                tr("Язык текстов программы: %1 (по умолчанию "
                                   "выбранный в меню «Язык», иначе язык рабочего "
                                   "стола).")
                                    .arg(availableLanguages().join(QStringLiteral(", "))),
                                QStringLiteral("CODE")};
};

// A usage error keeps a language it names, so that its message is said in that language.
CommandLine usageError(const QString& error, const QString& language) {
    CommandLine line;
    line.mode = ProgramMode::UsageError;
    line.error = error;
    if (availableLanguages().contains(language)) line.language = language;
    return line;
}

// The exit statuses, for the help.
QString exitStatuses() {
    return Options::tr(
        "Коды завершения: 0 — успешно; 1 — файл эксперимента не прочитан или отвергнут, расчёт "
        "невозможен или файл результатов не записан; 2 — ошибка в командной строке или в диапазоне "
        "частот; 3 — расчёт --run прерван (шар коснулся точки подвеса или числа вышли за пределы "
        "представимых), файл результатов содержит рассчитанное до этого.");
}

// A number option as typed, a decimal comma between digits allowed: the value, or an error text
// that says what is wrong with the text.
std::optional<QString> readOption(const QCommandLineParser& parser,
                                  const QCommandLineOption& option, double& value) {
    const QString text = parser.value(option);
    bool ok = false;
    value = QString::fromStdString(withDecimalPoint(text.toStdString())).toDouble(&ok);
    const QString name = option.names().constLast();
    if (!ok) return Options::tr("--%1: не число: %2").arg(name, text);
    if (!std::isfinite(value)) return Options::tr("--%1: не конечное число: %2").arg(name, text);
    return std::nullopt;
}

// A number option: empty when absent or read, an error text otherwise.
std::optional<QString> readNumberOption(const QCommandLineParser& parser,
                                        const QCommandLineOption& option,
                                        std::optional<double>& value) {
    if (!parser.isSet(option)) return std::nullopt;
    double x = 0;
    if (auto error = readOption(parser, option, x)) return error;
    value = x;
    return std::nullopt;
}

// The number of points: a whole number; one beyond the range of int is kept as the nearest
// int, which the range check then refuses as too many or too few.
std::optional<QString> readCountOption(const QCommandLineParser& parser,
                                       const QCommandLineOption& option,
                                       std::optional<int>& count) {
    std::optional<double> x;
    if (auto error = readNumberOption(parser, option, x)) return error;
    if (!x) return std::nullopt;
    if (*x != std::floor(*x))
        return Options::tr("--%1: не целое число: %2")
            .arg(option.names().constLast(), parser.value(option));
    count = static_cast<int>(
        std::clamp<double>(*x, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
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
        return Options::tr("--out допускается только вместе с --run");
    for (const QCommandLineOption* option : {&o.from, &o.to, &o.points})
        if (mode != ProgramMode::Resonance && parser.isSet(*option))
            return Options::tr("--%1 допускается только вместе с --resonance")
                .arg(option->names().constLast());
    return std::nullopt;
}

} // namespace

CommandLine parseCommandLine(const QStringList& arguments) {
    Options o;
    QCommandLineParser parser;
    parser.setApplicationDescription(texts::titleAfterRun() + u'\n' + exitStatuses());
    parser.addOptions({o.help, o.version, o.characteristics, o.run, o.out, o.resonance, o.from,
                       o.to, o.points, o.language});
    parser.addPositionalArgument(QStringLiteral("FILE"),
                                 Options::tr("Файл эксперимента (*.trelvix)."),
                                 QStringLiteral("[FILE]"));
    const bool parsed = parser.parse(arguments);
    const auto refused = [&](const QString& error) {
        return usageError(error, parser.value(o.language));
    };
    if (!parsed) return refused(parser.errorText());

    int modeCount = 0;
    CommandLine line;
    line.mode = modeOf(parser, o, modeCount);
    line.helpText = parser.helpText();
    if (modeCount > 1) return refused(Options::tr("можно указать только один режим"));
    if (auto error = misplacedOption(parser, o, line.mode)) return refused(*error);
    if (parser.positionalArguments().size() > 1)
        return refused(Options::tr("можно указать только один файл эксперимента"));
    if (!parser.positionalArguments().isEmpty()) line.file = parser.positionalArguments().first();
    line.out = parser.value(o.out);
    line.language = parser.value(o.language);
    if (parser.isSet(o.language) && !availableLanguages().contains(line.language))
        return refused(Options::tr("--lang: нет языка «%1»; есть: %2")
                           .arg(line.language, availableLanguages().join(QStringLiteral(", "))));
    if (auto error = readNumberOption(parser, o.from, line.from)) return refused(*error);
    if (auto error = readNumberOption(parser, o.to, line.to)) return refused(*error);
    if (auto error = readCountOption(parser, o.points, line.points)) return refused(*error);
    return line;
}

} // namespace trelvix
