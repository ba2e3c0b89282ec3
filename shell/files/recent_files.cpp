#include "shell/files/recent_files.h"

#include <QFileInfo>
#include <QSettings>

namespace trelvix {

namespace {

const QString key = QStringLiteral("recentExperiments");

QSettings settings() {
    return QSettings(QStringLiteral("trelvix"), QStringLiteral("trelvix"));
}

} // namespace

QStringList RecentFiles::paths() const {
    return settings().value(key).toStringList().mid(0, kept);
}

void RecentFiles::add(const QString& path) {
    const QString absolute = QFileInfo(path).absoluteFilePath();
    QStringList list = paths();
    list.removeAll(absolute);
    list.prepend(absolute);
    settings().setValue(key, list.mid(0, kept));
}

} // namespace trelvix
