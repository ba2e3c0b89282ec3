// Renders the six surfaces for the initial experiment into PNG files, before and after a sample
// run, so that the plots can be looked at without the windows.
// Run: ./build/tests/graphics/render_plots OUTPUT_DIR
//
// The sample run is a damped oscillation about Xg written out in closed form, not the simulator's
// integration: enough to show how traces, the scene and the magnifier look.

#include "graphics/magnifier.h"
#include "graphics/redraw.h"
#include "graphics/run_step.h"
#include "graphics/scene.h"
#include "model/motion.h"
#include "probe.h"

#include <QDir>
#include <QGuiApplication>
#include <QPainter>
#include <cmath>
#include <cstdio>

using namespace trelvix;
using namespace trelvix::graphics;

namespace {

RunState sampleState(const Experiment& e, double t) {
    const Inputs& in = e.inputs;
    const Characteristics& ch = e.derived;
    const double decay = std::exp(-0.4 * t);
    const double phase = ch.omega_0 * t;
    const double amplitude = in.X0 - ch.Xg;
    RunState s;
    s.t = t;
    s.X = ch.Xg + decay * (amplitude * std::cos(phase) + in.V0x / ch.omega_0 * std::sin(phase));
    s.Vx = decay * (in.V0x * std::cos(phase) - amplitude * ch.omega_0 * std::sin(phase));
    s.W = mechanicalEnergy(in, ch.Xg, s.X, s.Vx);
    setCrankPosition(in, ch.omega_v, s);
    return s;
}

void save(probe::Panels& p, const QString& dir, const QString& stage, QRect marker) {
    p.plane.image().save(dir + "/plane_" + stage + ".png");
    p.scene.image().save(dir + "/scene_" + stage + ".png");
    p.displacement.image().save(dir + "/displacement_" + stage + ".png");
    p.velocity.image().save(dir + "/velocity_" + stage + ".png");
    p.energy.image().save(dir + "/energy_" + stage + ".png");
    // The magnifier with its marker drawn where the window would place it.
    QImage magnifier = p.magnifier.image();
    QPainter painter(&magnifier);
    painter.setPen(Qt::black);
    painter.drawEllipse(marker.adjusted(0, 0, -1, -1));
    painter.end();
    magnifier.save(dir + "/magnifier_" + stage + ".png");
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const QString dir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath();
    const QSize marker(10, 17);

    const Experiment e;
    probe::Panels p;
    Surfaces s = p.all();
    const PlotLayout layout = p.layout();
    redrawAll(e, s, layout, ",");
    save(p, dir, "initial", markerRect(p.magnifier, e.inputs.X0, marker));

    RunState state;
    int frame = 0;
    for (double t = e.derived.step; t < e.inputs.T; t += e.derived.step) {
        state = sampleState(e, t);
        drawRunStep(state, e.derived.Xg, s);
        if (frame == 2) {
            repaintScene(e, state, s, layout);
            frame = 0;
        }
        ++frame;
    }
    save(p, dir, "run", markerRect(p.magnifier, state.X, marker));
    std::printf("wrote 12 images to %s\n", qPrintable(dir));
    return 0;
}
