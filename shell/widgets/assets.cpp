#include "shell/widgets/assets.h"

namespace trelvix::assets {

// An installed program finds its icon at every size in the desktop's theme; the built-in 32 × 32
// one serves a program run from its build folder.
QIcon programIcon() {
    return QIcon::fromTheme(QStringLiteral("trelvix"), QIcon(QStringLiteral(":/assets/icon.png")));
}

QPixmap authorsPicture() {
    return QPixmap(QStringLiteral(":/assets/authors.jpg"));
}

QIcon menuPicture(const char* name) {
    return QIcon(QPixmap(QStringLiteral(":/assets/menu-%1.bmp").arg(QLatin1String(name))));
}

} // namespace trelvix::assets
