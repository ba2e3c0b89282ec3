#include "graphics/redraw.h"

#include "graphics/scene.h"
#include "graphics/time_graphs.h"
#include "graphics/yx_plane.h"

namespace trelvix::graphics {

void redrawSequence(Experiment& e, PlotFrames& f, Surfaces& s, const PlotLayout& layout,
                    std::string_view decimalSeparator) {
    minmax(e, layout.koeff_1, f, s);
    axes(e, f, s, decimalSeparator);
    axes_2(e, s, layout);
    axes_x_t(e, f, s.picture3, decimalSeparator);
    axes_y_t(e, f, s.picture4, decimalSeparator);
    axes_W_t(e, f, s.picture6, decimalSeparator);
}

void redrawAll(Experiment& e, PlotFrames& f, Surfaces& s, const PlotLayout& layout,
               std::string_view decimalSeparator) {
    for (Surface* surface :
         {&s.picture1, &s.picture2, &s.picture3, &s.picture4, &s.picture6, &s.form3})
        surface->clear();
    redrawSequence(e, f, s, layout, decimalSeparator);
}

} // namespace trelvix::graphics
