#pragma once

// What the window and the command line say about an experiment file that cannot be used, about
// names in it that the program does not know, and about the examples and exports of the window,
// in the language of the moment they are said.

#include "model/experiment_file.h"
#include "shell/files/experiment_entries.h"

#include <QString>
#include <QStringList>

namespace trelvix::texts {

// One sentence naming the file and, where there is one, the line.
QString experimentFileProblem(const QString& path, const ExperimentFileReading& reading);

// The names of a file that are not names of inputs: the rest was loaded.  A long name is cut,
// and a long list ends with how many more there are, so the box stays readable.
QString unknownExperimentNames(const QString& path, const QStringList& names);

// Why a text of a file is refused when it has no number: it is empty or it is not a number.
QString notANumber(const QString& text);

// A file with refused values, which changes nothing: the file, then one refused value a line
// with its line, its parameter and why.
QString experimentValuesRefused(const QString& path, const std::vector<RefusedEntry>& refused);

// The same for the command line: one line per refused value, each naming the file.
QStringList refusedValueLines(const QString& path, const std::vector<RefusedEntry>& refused);

// A failed save: the file and the reason.
QString experimentSaveFailed(const QString& path, const QString& reason);

// An example whose regime the current values do not have.
QString presetImpossible();

// A table, a picture or a report that could not be written: the file and the reason.
QString exportFailed(const QString& path, const QString& reason);

} // namespace trelvix::texts
