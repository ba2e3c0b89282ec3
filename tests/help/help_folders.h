#pragma once

// The folders of the help documents, relative to the folder of the sources or of the rendered
// documents: "" for the Russian ones at the top, "en/" and so on for each translation.

#include <QStringList>

namespace trelvix {

inline QStringList helpFolders() {
    QStringList folders{QString()};
    for (const QString& language :
         QStringLiteral(HELP_TRANSLATIONS).split(QLatin1Char(','), Qt::SkipEmptyParts))
        folders << language + QLatin1Char('/');
    return folders;
}

} // namespace trelvix
