#pragma once

// The program's command line.  Without a mode it opens the window (with an experiment file, if
// one is named); the modes print their results and need no display:
//   trelvix [FILE]
//   trelvix --characteristics [FILE]
//   trelvix --run [--out PATH] [FILE]
//   trelvix --resonance [--from HZ] [--to HZ] [--points N] [FILE]
//   trelvix --help | --version
// Every form takes --lang CODE, the language of the texts (ru, en).
// Exit status of a mode: 0 success, 1 an unreadable or refused experiment file (or a run that
// cannot be computed, or a results file that cannot be written), 2 a usage error, 3 a run ended
// by the ball touching the suspension point or by numbers out of range.  The frequencies and the
// number of points may be written with a decimal comma between digits.

#include <QString>
#include <QStringList>
#include <optional>

namespace trelvix {

enum class ProgramMode { Window, Help, Version, Characteristics, Run, Resonance, UsageError };

struct CommandLine {
    ProgramMode mode = ProgramMode::Window;
    QString file;                   // the experiment file, empty for the initial values
    QString out;                    // --run: the results file
    std::optional<double> from, to; // --resonance: the range, Hz
    std::optional<int> points;
    QString language; // --lang, empty when not given or not one of the languages
    QString error;    // UsageError: one line saying what is wrong
    QString helpText;
};

// `arguments` as QCoreApplication::arguments() gives them, the program name first.
CommandLine parseCommandLine(const QStringList& arguments);

} // namespace trelvix
