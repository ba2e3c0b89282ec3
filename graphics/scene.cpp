#include "graphics/scene.h"

#include "graphics/style.h"

#include <cmath>
#include <numbers>
#include <vector>

namespace trelvix::graphics {

namespace {

// Points sampled along each half-wave of the spring.
constexpr double samplesPerHalfWave = 50;
// More samples than any spring of this program has; guards against absurd turn counts.
constexpr double mostSpringSamples = 100000;

void backgroundCopy(Surfaces& s, const PlotLayout& layout) {
    s.picture2.transparentCopyFrom(s.picture1, layout.sourceRect(), layout.targetRect(),
                                   transparentKey);
}

// The crank rod from the wheel centre to the pin, and the pin as a red dot.
void crank(const Experiment& e, Surface& scene, QPointF pin) {
    scene.setDrawWidth(4);
    scene.line({e.koleso_x, e.koleso_y}, pin, crankColour);
    scene.setDrawWidth(6);
    scene.setForeColor(traceColour);
    scene.point(pin);
    scene.setForeColor(axisColour);
}

// Number of wave samples between the leads: from one half-wave after the upper end to two
// before the lower end.
long long waveSamples(double halfWavesInSpring) {
    const double count = std::floor(samplesPerHalfWave * (halfWavesInSpring - 3) + 1e-9) + 1;
    if (!(count > 0)) return 0;
    return static_cast<long long>(std::fmin(count, mostSpringSamples));
}

} // namespace

void prug(const Experiment& e, Surface& scene, double z_x0, double z_y0, double z_x, double z_y) {
    scene.setDrawWidth(4);
    scene.point({z_x0, z_y0});
    const double dx = z_x - z_x0;
    const double dy = z_y - z_y0;
    const double length = std::hypot(dx, dy);
    const double halfWaves = 2 * e.n_vitkov;
    const double halfWave = length / halfWaves;
    std::vector<QPointF> points;
    if (length > 0 && std::isfinite(length) && halfWave > 0 && std::isfinite(halfWave)) {
        // Along the axis from the upper to the lower end, and the wave across it.
        const double angle = std::atan2(dy, dx);
        const double along_x = std::cos(angle), along_y = std::sin(angle);
        const long long samples = waveSamples(halfWaves);
        points.reserve(std::size_t(samples) + 1);
        for (long long k = 0; k < samples; ++k) {
            // s runs from one half-wave on in steps of 1/50 of a half-wave; the phase is π·s/p.
            const double halfWavesAlong = 1 + double(k) / samplesPerHalfWave;
            const double s = halfWave * halfWavesAlong;
            const double w = e.polushirina_prug * std::sin(std::numbers::pi * halfWavesAlong);
            points.emplace_back(z_x0 + (s * along_x - w * along_y),
                                z_y0 + (s * along_y + w * along_x));
        }
    }
    points.emplace_back(z_x, z_y);
    scene.polylineTo(points, axisColour);
}

void gruz(const Experiment& e, Surface& scene, double z_x, double z_y) {
    scene.setFillColor(wheelColour);
    scene.setFillStyle(FillStyle::Solid);
    scene.circle({z_x, z_y}, e.R_shara, axisColour);
}

void axes_2(const Experiment& e, Surfaces& s, const PlotLayout& layout) {
    Surface& scene = s.picture2;
    backgroundCopy(s, layout);
    const QPointF pin(e.koleso_x, e.R_kolesa + e.koleso_y);
    prug(e, scene, pin.x(), pin.y(), 0, e.X0 - e.R_shara);
    gruz(e, scene, 0, e.X0);
    crank(e, scene, pin);
}

void repaintScene(const Experiment& e, Surfaces& s, const PlotLayout& layout) {
    Surface& scene = s.picture2;
    scene.clear();
    backgroundCopy(s, layout);
    const QPointF pin(e.kriv_x + e.koleso_x, e.kriv_y + e.koleso_y);
    crank(e, scene, pin);
    prug(e, scene, pin.x(), pin.y(), 0, e.X_1 - e.R_shara);
    gruz(e, scene, 0, e.X_1);
}

} // namespace trelvix::graphics
