#include "graphics/scene.h"

#include "graphics/style.h"
#include "graphics/yx_plane.h"

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
    s.scene.transparentCopyFrom(s.plane, layout.sourceRect(), layout.targetRect(), transparentKey);
}

// The crank rod from the wheel centre to the pin, and the pin as a red dot.
void crank(Surface& scene, QPointF pin) {
    scene.setPenWidth(4);
    scene.line(wheelCentre, pin, crankColour);
    scene.setPenWidth(6);
    scene.setForeground(traceColour);
    scene.point(pin);
    scene.setForeground(axisColour);
}

// Number of wave samples between the leads: from one half-wave after the upper end to two
// before the lower end.
long long waveSamples(double halfWavesInSpring) {
    const double count = std::floor(samplesPerHalfWave * (halfWavesInSpring - 3) + 1e-9) + 1;
    if (!(count > 0)) return 0;
    return static_cast<long long>(std::fmin(count, mostSpringSamples));
}

// Where the crank pin is in the frame of `state`: at the bottom of the wheel before the run.
QPointF pinAt(const Inputs& in, const std::optional<RunState>& state) {
    if (!state) return wheelCentre + QPointF(0, in.wheelRadius());
    return wheelCentre + QPointF(state->crankX, state->crankY);
}

// Pixels beyond a drawn part's geometry that its pen may ink: half the widest pen (the 6-pixel
// pin) and a pixel each for rounding and the round caps.
constexpr int penReach = 6;

} // namespace

QRect movingPartsExtent(const Experiment& e, const std::optional<RunState>& state,
                        const Surface& scene) {
    const Inputs& in = e.inputs;
    const double X = state ? state->X : in.X0;
    const QPointF pin = pinAt(in, state);
    // The spring's coils reach springHalfWidth across its axis, whatever way it leans.
    const double coil = e.view.springHalfWidth;
    QRectF user = QRectF(pin, wheelCentre).normalized();
    user |= QRectF(pin - QPointF(coil, coil), pin + QPointF(coil, coil));
    const QPointF bottom(0, X - in.ballRadius());
    user |= QRectF(bottom - QPointF(coil, coil), bottom + QPointF(coil, coil));
    QRectF pixels = QRectF(scene.toPixel(user.topLeft()), scene.toPixel(user.bottomRight()));
    // The ball is round in pixels, its radius measured across.
    const QPointF centre = scene.toPixel({0, X});
    const double r = std::abs(in.ballRadius() * scene.pixelsPerUnit().x());
    pixels = pixels.normalized() | QRectF(centre - QPointF(r, r), centre + QPointF(r, r));
    // Without a usable frame (or with coordinates too large to place) the whole panel.
    const QRectF panel(QPointF(0, 0), QSizeF(scene.size()));
    if (!std::isfinite(pixels.left()) || !std::isfinite(pixels.right()) ||
        !std::isfinite(pixels.top()) || !std::isfinite(pixels.bottom()))
        return panel.toRect();
    return pixels.adjusted(-penReach, -penReach, penReach, penReach)
        .intersected(panel)
        .toAlignedRect();
}

void drawSpring(const ViewSettings& view, Surface& scene, QPointF top, QPointF bottom) {
    scene.setPenWidth(4);
    scene.point(top);
    const double dx = bottom.x() - top.x();
    const double dy = bottom.y() - top.y();
    const double length = std::hypot(dx, dy);
    const double halfWaves = 2 * view.springTurns;
    const double halfWave = length / halfWaves;
    // A spring shorter than a pixel shows as the dot at its upper end: its coils would be drawn
    // across the full coil width however short it is.
    const QPointF span = scene.toPixel(bottom) - scene.toPixel(top);
    const bool longerThanAPixel = std::hypot(span.x(), span.y()) >= 1;
    std::vector<QPointF> points;
    if (longerThanAPixel && length > 0 && std::isfinite(length) && halfWave > 0 &&
        std::isfinite(halfWave)) {
        // Along the axis from the upper to the lower end, and the wave across it.
        const double angle = std::atan2(dy, dx);
        const double along_x = std::cos(angle), along_y = std::sin(angle);
        const long long samples = waveSamples(halfWaves);
        points.reserve(std::size_t(samples) + 1);
        for (long long k = 0; k < samples; ++k) {
            // s runs from one half-wave on in steps of 1/50 of a half-wave; the phase is π·s/p.
            const double halfWavesAlong = 1 + double(k) / samplesPerHalfWave;
            const double s = halfWave * halfWavesAlong;
            const double w = view.springHalfWidth * std::sin(std::numbers::pi * halfWavesAlong);
            points.emplace_back(top.x() + (s * along_x - w * along_y),
                                top.y() + (s * along_y + w * along_x));
        }
    }
    points.push_back(bottom);
    scene.polylineTo(points, axisColour);
}

void drawBall(const Inputs& in, Surface& scene, QPointF centre) {
    scene.setFillColor(wheelColour);
    scene.setFillStyle(FillStyle::Solid);
    scene.circle(centre, in.ballRadius(), axisColour);
}

void drawInitialScene(const Experiment& e, Surfaces& s, const PlotLayout& layout) {
    const Inputs& in = e.inputs;
    s.scene.clear();
    backgroundCopy(s, layout);
    const QPointF pin = pinAt(in, std::nullopt);
    drawSpring(e.view, s.scene, pin, {0, in.X0 - in.ballRadius()});
    drawBall(in, s.scene, {0, in.X0});
    crank(s.scene, pin);
}

void repaintScene(const Experiment& e, const RunState& state, Surfaces& s,
                  const PlotLayout& layout) {
    const Inputs& in = e.inputs;
    s.scene.clear();
    backgroundCopy(s, layout);
    const QPointF pin = pinAt(in, state);
    crank(s.scene, pin);
    drawSpring(e.view, s.scene, pin, {0, state.X - in.ballRadius()});
    drawBall(in, s.scene, {0, state.X});
}

} // namespace trelvix::graphics
