// Timings of the drawing that a user waits for: the full redraw after a resize or an edit, the
// animation frame repainted every second step of a run, and the drawing of one step.
// Run: QT_QPA_PLATFORM=offscreen ./build/tests/graphics/bench_graphics

#include "graphics/redraw.h"
#include "graphics/run_step.h"
#include "graphics/scene.h"
#include "model/characteristics.h"

#include <QtTest>

using namespace trelvix;
using namespace trelvix::graphics;

namespace {

// Panels of a 1920 × 1080 main window given wholly to the plots: the plane and the animation
// fill it, the time graphs take a third of its height each, the magnifier is a 500 px square.
struct FullScreenPanels {
    Surface picture1, picture2, picture3, picture4, picture6, form3;
    Surfaces all{picture1, picture2, picture3, picture4, picture6, form3};
    Experiment e = initialExperiment();
    PlotFrames frames;
    PlotLayout layout;

    FullScreenPanels() {
        picture1.resize({1920, 1080});
        picture2.resize({1920, 1080});
        for (Surface* graph : {&picture3, &picture4, &picture6})
            graph->resize({1920, 360});
        form3.resize({500, 500});
        parametr(e, ",");
        layout = layoutForPicture1(picture1.size());
        redrawAll(e, frames, all, layout, ",");
    }

    // A state a little way into a run, the crank turned off the vertical.
    void stepTo(double t) {
        e.t = t;
        e.X_1 = e.Xg + 0.05 * std::cos(25 * t);
        e.Vx_1 = -1.25 * std::sin(25 * t);
        e.W = toSingle(e.m * e.Vx_1 * e.Vx_1 / 2 + e.k * 0.0025 * std::cos(25 * t));
        e.kriv_x = e.R_kolesa * std::sin(e.omega_v * t);
        e.kriv_y = e.R_kolesa * std::cos(e.omega_v * t);
    }
};

} // namespace

class GraphicsBenchmark : public QObject {
    Q_OBJECT

private slots:
    void fullRedraw() {
        FullScreenPanels p;
        QBENCHMARK {
            redrawAll(p.e, p.frames, p.all, p.layout, ",");
        }
    }
    void sceneRepaint() {
        FullScreenPanels p;
        p.stepTo(0.3);
        QBENCHMARK {
            repaintScene(p.e, p.all, p.layout);
        }
    }
    void oneRunStep() {
        FullScreenPanels p;
        double t = 0;
        QBENCHMARK {
            t += p.e.shag;
            p.stepTo(t);
            drawRunStep(p.e, p.all);
        }
    }
};

QTEST_MAIN(GraphicsBenchmark)
#include "bench_graphics.moc"
