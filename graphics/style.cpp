#include "graphics/style.h"

#include "graphics/carried_fonts.h"

namespace trelvix::graphics {

QFont panelFont() {
    return carriedFont(Face::Serif, 11.25);
}

} // namespace trelvix::graphics
