#pragma once

// The pictures that ship inside the program.

#include <QIcon>
#include <QPixmap>

namespace trelvix::assets {

// The icon of all three windows.
QIcon programIcon();

// The picture of the authors window.
QPixmap authorsPicture();

// The 32 × 32 picture of a menu item, by the name of its file without "menu-" and ".bmp"
// ("exit", "reference" …).
QIcon menuPicture(const char* name);

} // namespace trelvix::assets
