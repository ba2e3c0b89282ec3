#pragma once

// The pictures that ship inside the program.

#include <QIcon>
#include <QPixmap>

namespace trelvix::assets {

// The icon of all three windows.
QIcon programIcon();

// The picture of the authors window.
QPixmap authorsPicture();

// The 32 × 32 menu picture held by the named bitmap holder ("Picture5", "Picture8" …).
QPixmap menuPicture(const QString& holderName);

} // namespace trelvix::assets
