#pragma once

// What the window and the command line say about an experiment file that cannot be used, and
// about names in it that the program does not know.

#include "model/experiment_file.h"

#include <QString>
#include <QStringList>

namespace trelvix::texts {

// One sentence naming the file and, where there is one, the line.
QString experimentFileProblem(const QString& path, const ExperimentFileReading& reading);

// The names of a file that are not names of inputs: the rest was loaded.
QString unknownExperimentNames(const QString& path, const QStringList& names);

// A failed save: the file and the reason.
QString experimentSaveFailed(const QString& path, const QString& reason);

// A table or a picture that could not be written: the file and the reason.
QString exportFailed(const QString& path, const QString& reason);

} // namespace trelvix::texts
