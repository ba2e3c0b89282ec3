#include "platform/desktop.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace trelvix {

void QtDesktop::openDocument(const QString& fileName) {
    const QFileInfo file(QDir::current(), fileName);
    // Without the check the desktop's opener would show its own error box for a missing file.
    if (!file.isFile()) return;
    QDesktopServices::openUrl(QUrl::fromLocalFile(file.absoluteFilePath()));
}

} // namespace trelvix
