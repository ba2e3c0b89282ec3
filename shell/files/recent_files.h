#pragma once

// The experiment files opened or saved last, newest first, kept across starts in the program's
// settings (QSettings under the organisation and program name "trelvix").

#include <QStringList>

namespace trelvix {

class RecentFiles {
public:
    static constexpr int kept = 5;

    QStringList paths() const;
    // Puts the file (made absolute) first, dropping an older entry of it and the oldest beyond
    // the kept number.
    void add(const QString& path);
};

} // namespace trelvix
