#pragma once

// The one way the program saves a file the student names: the desktop's save dialog (through
// the platform's seam), the extension added to a name typed without one, the content written to
// a temporary file renamed over the old one, and a failure explained in a box.

#include "platform/platform.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>

namespace trelvix {

struct SaveOffer {
    QString title;         // of the dialog
    QString suggestedName; // offered in the dialog, with its extension
    QString filter;        // the dialog's file types
    // Accepted as typed (any case); any other name gets the extension of the file type chosen,
    // or the first of them.
    QStringList extensions;
    // The message of a failure, from the path and the system's reason.
    std::function<QString(const QString& path, const QString& reason)> failureMessage;
};

// Returns the path written, or an empty text when the student cancelled or writing failed.
// `content` makes the bytes for the chosen path (a picture's type follows its extension).
QString saveThroughDialog(const Platform& platform, const SaveOffer& offer,
                          const std::function<QByteArray(const QString& path)>& content);

// The path as it is when it ends with one of `extensions`; otherwise with the extension of
// `chosenFilter` added when it is one of them, or else the first of them.
QString withExtension(const QString& path, const QStringList& extensions,
                      const QString& chosenFilter);

} // namespace trelvix
