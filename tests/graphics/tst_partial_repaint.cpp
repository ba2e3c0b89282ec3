// During a run the panels are painted only where they changed: the animation inside what the
// crank, the spring and the ball covered and cover now, the other plots inside the rectangles
// their surfaces report.  A screen that received only those parts must show what a whole
// repaint shows, at every frame of a run and after it.

#include "graphics/run_step.h"
#include "graphics/scene.h"
#include "model/run.h"
#include "probe.h"

#include <QPainter>
#include <QtTest>
#include <algorithm>
#include <memory>
#include <optional>

using namespace trelvix;
using namespace trelvix::graphics;

namespace {

// What a window shows of a surface that keeps its picture: the picture, painted again only inside
// the rectangles given.
class Screen {
public:
    explicit Screen(const Surface& surface) : surface_(surface), shown_(surface.image()) {}
    void repaint(const QRect& logical) {
        QPainter painter(&shown_);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(logical, surface_.image(), logical);
    }
    bool showsWhole() const { return shown_ == surface_.image(); }

private:
    const Surface& surface_;
    QImage shown_;
};

// A run of `e` drawn step by step on the panels as the window draws it, with a new frame of the
// animation every second step; `frame(state)` after each frame.
template <class Frame> void runOn(probe::Redrawn& r, Frame frame) {
    Surfaces all = r.panels.all();
    std::optional<RunDriver> run = RunDriver::begin(r.e.inputs, r.e.derived);
    QVERIFY(run);
    while (run->goesOn()) {
        run->step();
        drawRunStep(run->state(), r.e.derived.Xg, all);
        if (run->stepCount() % 2 == 0) frame(run->state());
    }
}

} // namespace

class PartialRepaintTest : public QObject {
    Q_OBJECT

private slots:
    void animationFrames_data();
    void animationFrames();
    void plotSegments();
};

void PartialRepaintTest::animationFrames_data() {
    QTest::addColumn<double>("Xm");
    QTest::addColumn<double>("T");
    QTest::newRow("the run at start-up") << Experiment{}.inputs.Xm << 4.0;
    QTest::newRow("a wide crank") << 0.03 << 3.0;
}

// The scene composed as the panel composes it, through a painter on `target`, clipped to `clip`
// unless that is null: the frame of `state`, or the initial scene.
void compose(probe::Redrawn& r, const std::optional<RunState>& state, QImage& target,
             const QRect& clip = {}) {
    QPainter painter(&target);
    if (!clip.isNull()) painter.setClipRect(clip);
    const Surface::PaintingThrough lent(r.panels.scene, painter);
    Surfaces all = r.panels.all();
    if (state)
        repaintScene(r.e, *state, all, r.panels.layout());
    else
        drawInitialScene(r.e, all, r.panels.layout());
}

// The animation keeps no picture: each frame is composed anew, whole against a screen that got
// only the moving parts' extent of the frame before and of this one.
void PartialRepaintTest::animationFrames() {
    QFETCH(double, Xm);
    QFETCH(double, T);
    Experiment e;
    e.inputs.Xm = Xm;
    e.inputs.T = float(T);
    e.derive();
    probe::Redrawn r(e);
    Surface& scene = r.panels.scene;
    scene.setKeepsPicture(false);
    QImage screen = scene.blankImage();
    compose(r, std::nullopt, screen);
    std::optional<RunState> shown;
    int frames = 0, firstWrongFrame = 0;
    runOn(r, [&](const RunState& state) {
        const QRect changed =
            movingPartsExtent(r.e, shown, scene) | movingPartsExtent(r.e, state, scene);
        QVERIFY(changed.width() < scene.size().width() / 2);
        compose(r, state, screen, changed);
        QImage whole = scene.blankImage();
        compose(r, state, whole);
        shown = state;
        ++frames;
        if (screen != whole && firstWrongFrame == 0) firstWrongFrame = frames;
    });
    QVERIFY(frames > 100);
    QCOMPARE(firstWrongFrame, 0);
}

// The plane, the three time graphs and the magnifier repainted inside the rectangles their
// surfaces report after each step.
void PartialRepaintTest::plotSegments() {
    probe::Redrawn r{Experiment{}};
    probe::Panels& p = r.panels;
    std::vector<std::unique_ptr<Screen>> screens;
    for (Surface* s : {&p.plane, &p.displacement, &p.velocity, &p.energy, &p.magnifier}) {
        screens.push_back(std::make_unique<Screen>(*s));
        s->setChangeHandler(
            [screen = screens.back().get()](const QRect& changed) { screen->repaint(changed); });
    }
    const auto allShowWhole = [&] {
        return std::all_of(screens.begin(), screens.end(),
                           [](const auto& screen) { return screen->showsWhole(); });
    };
    int frames = 0, firstWrongFrame = 0;
    runOn(r, [&](const RunState&) {
        if (++frames % 50 == 0 && !allShowWhole() && firstWrongFrame == 0) firstWrongFrame = frames;
    });
    QCOMPARE(firstWrongFrame, 0);
    QVERIFY(allShowWhole());
}

QTEST_MAIN(PartialRepaintTest)
#include "tst_partial_repaint.moc"
