#include "shell/assets.h"

namespace trelvix::assets {

QIcon programIcon() {
    return QIcon(QStringLiteral(":/assets/icon.png"));
}

QPixmap authorsPicture() {
    return QPixmap(QStringLiteral(":/assets/authors.jpg"));
}

QPixmap menuPicture(const QString& holderName) {
    return QPixmap(QStringLiteral(":/assets/%1.bmp").arg(holderName.toLower()));
}

} // namespace trelvix::assets
