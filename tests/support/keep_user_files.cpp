// Linked into every test program: before anything else runs, the settings and standard folders
// are moved away from the user's.  QSettings (the recent experiment files among them) reads and
// writes a folder of the program's own, removed when it exits; QStandardPaths answers with Qt's
// test folders.  The program when a suite starts it (it inherits the environment) keeps its
// settings and data in that folder too.

#include <QCoreApplication>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace {

void keepAwayFromTheUsersFiles() {
    QStandardPaths::setTestModeEnabled(true);
    static const QTemporaryDir settings;
    for (QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat})
        QSettings::setPath(format, QSettings::UserScope, settings.path());
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(settings.filePath(QStringLiteral("config"))));
    qputenv("XDG_DATA_HOME", QFile::encodeName(settings.filePath(QStringLiteral("data"))));
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(keepAwayFromTheUsersFiles)
