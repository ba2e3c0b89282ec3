#include "graphics/style.h"

namespace trelvix::graphics {

QFont panelFont() {
    QFont font(QStringLiteral("Times New Roman"));
    font.setPointSizeF(11.25);
    return font;
}

} // namespace trelvix::graphics
