#include "graphics/redraw.h"

#include "graphics/scene.h"
#include "graphics/time_graphs.h"
#include "graphics/yx_plane.h"

namespace trelvix::graphics {

PlotFrames drawStaticLayers(const Experiment& e, Surfaces& s, const PlotLayout& layout,
                            std::string_view decimalSeparator) {
    const PlotFrames f = computeFrames(e, layout.planeAspect);
    applyFrames(e, f, s);
    drawPlane(e, f, s, decimalSeparator);
    drawInitialScene(e, s, layout);
    drawDisplacementGraph(e, f.time, s.displacement, decimalSeparator);
    drawVelocityGraph(e, f.time, s.velocity, decimalSeparator);
    drawEnergyGraph(e, f.time, s.energy, decimalSeparator);
    return f;
}

PlotFrames redrawAll(const Experiment& e, Surfaces& s, const PlotLayout& layout,
                     std::string_view decimalSeparator) {
    for (Surface* surface :
         {&s.plane, &s.scene, &s.displacement, &s.velocity, &s.energy, &s.magnifier})
        surface->clear();
    return drawStaticLayers(e, s, layout, decimalSeparator);
}

} // namespace trelvix::graphics
