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
#include "model/characteristics.h"

#include <QDir>
#include <QGuiApplication>
#include <QPainter>
#include <cmath>
#include <cstdio>

using namespace trelvix;
using namespace trelvix::graphics;

namespace {

struct Panels {
    Surface picture1, picture2, picture3, picture4, picture6, form3;
    Surfaces all() { return {picture1, picture2, picture3, picture4, picture6, form3}; }
};

void sampleState(Experiment& e, double t) {
    const double decay = std::exp(-0.4 * t);
    const double phase = e.omega_0 * t;
    const double amplitude = e.X0 - e.Xg;
    e.t = t;
    e.X_1 = e.Xg + decay * (amplitude * std::cos(phase) + e.V0x / e.omega_0 * std::sin(phase));
    e.Vx_1 = decay * (e.V0x * std::cos(phase) - amplitude * e.omega_0 * std::sin(phase));
    e.W = toSingle(e.m * e.Vx_1 * e.Vx_1 / 2 + e.k * (e.X_1 - e.Xg) * (e.X_1 - e.Xg) / 2);
    e.kriv_x = e.R_kolesa * std::sin(e.omega_v * t);
    e.kriv_y = e.R_kolesa * std::cos(e.omega_v * t);
}

void save(Panels& p, const QString& dir, const QString& stage, QRect marker) {
    p.picture1.image().save(dir + "/picture1_" + stage + ".png");
    p.picture2.image().save(dir + "/picture2_" + stage + ".png");
    p.picture3.image().save(dir + "/picture3_" + stage + ".png");
    p.picture4.image().save(dir + "/picture4_" + stage + ".png");
    p.picture6.image().save(dir + "/picture6_" + stage + ".png");
    // The magnifier with its marker Shape1 drawn where the window would place it.
    QImage magnifier = p.form3.image();
    QPainter painter(&magnifier);
    painter.setPen(Qt::black);
    painter.drawEllipse(marker.adjusted(0, 0, -1, -1));
    painter.end();
    magnifier.save(dir + "/form3_" + stage + ".png");
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const QString dir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath();
    const QSize shape1(10, 17);

    Experiment e = initialExperiment();
    parametr(e, ",");
    Panels p;
    p.picture1.resize({364, 496});
    p.picture2.setBackColor(QColor(240, 240, 240));
    p.picture2.resize({364, 496});
    for (Surface* graph : {&p.picture3, &p.picture4, &p.picture6})
        graph->resize({347, 161});
    p.form3.resize({250, 250});

    Surfaces s = p.all();
    PlotFrames frames;
    const PlotLayout layout = layoutForPicture1(p.picture1.size());
    redrawAll(e, frames, s, layout, ",");
    save(p, dir, "initial", markerRect(p.form3, e.X0, shape1));

    int frame = 0;
    for (double t = e.shag; t < e.T; t += e.shag) {
        sampleState(e, t);
        drawRunStep(e, s);
        if (frame == 2) {
            repaintScene(e, s, layout);
            frame = 0;
        }
        ++frame;
    }
    save(p, dir, "run", markerRect(p.form3, e.X_1, shape1));
    std::printf("wrote 12 images to %s\n", qPrintable(dir));
    return 0;
}
