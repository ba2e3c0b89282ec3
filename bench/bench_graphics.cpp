// Timings of the drawing that a user waits for: the full redraw after a resize or an edit, the
// animation frame repainted every second step of a run, and the drawing of one step.
// Run: QT_QPA_PLATFORM=offscreen ./build/bench/bench_graphics

#include "graphics/redraw.h"
#include "graphics/run_step.h"
#include "graphics/scene.h"
#include "model/motion.h"

#include <QtTest>
#include <cmath>

using namespace trelvix;
using namespace trelvix::graphics;

namespace {

// Panels of a 1920 × 1080 main window given wholly to the plots: the plane and the animation
// fill it, the time graphs take a third of its height each, the magnifier is a 500 px square.
struct FullScreenPanels {
    Surface plane, scene, displacement, velocity, energy, magnifier;
    Surfaces all{plane, scene, displacement, velocity, energy, magnifier};
    Experiment e;
    PlotLayout layout;
    RunState state;

    FullScreenPanels() {
        plane.resize({1920, 1080});
        scene.resize({1920, 1080});
        for (Surface* graph : {&displacement, &velocity, &energy})
            graph->resize({1920, 360});
        magnifier.resize({500, 500});
        layout = layoutForPlane(plane.size());
        redrawAll(e, all, layout, ",");
    }

    // A state a little way into a run, the crank turned off the vertical.
    void stepTo(double t) {
        state.t = t;
        state.X = e.derived.Xg + 0.05 * std::cos(25 * t);
        state.Vx = -1.25 * std::sin(25 * t);
        state.W = mechanicalEnergy(e.inputs, e.derived.Xg, state.X, state.Vx);
        setCrankPosition(e.inputs, e.derived.omega_v, state);
    }
};

} // namespace

class GraphicsBenchmark : public QObject {
    Q_OBJECT

private slots:
    void fullRedraw() {
        FullScreenPanels p;
        QBENCHMARK {
            redrawAll(p.e, p.all, p.layout, ",");
        }
    }
    void sceneRepaint() {
        FullScreenPanels p;
        p.stepTo(0.3);
        QBENCHMARK {
            repaintScene(p.e, p.state, p.all, p.layout);
        }
    }
    void oneRunStep() {
        FullScreenPanels p;
        double t = 0;
        QBENCHMARK {
            t += p.e.derived.step;
            p.stepTo(t);
            drawRunStep(p.state, p.e.derived.Xg, p.all);
        }
    }
};

QTEST_MAIN(GraphicsBenchmark)
#include "bench_graphics.moc"
