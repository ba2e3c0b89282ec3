// Start-up: how long the student waits from launching the program to a complete first picture.

#include "elapsed.h"
#include "groups.h"
#include "recording_platform.h"
#include "report.h"
#include "shell/main_window/main_window.h"
#include "shell/widgets/picture_box.h"

#include <QApplication>
#include <QSet>
#include <stdexcept>

namespace trelvix::bench {

namespace {

// Notes which panels have received their paint event.
class PaintWatcher : public QObject {
public:
    explicit PaintWatcher(const QList<PictureBox*>& panels) {
        for (PictureBox* panel : panels)
            panel->installEventFilter(this);
    }

    bool allPainted(const QList<PictureBox*>& panels) const {
        for (PictureBox* panel : panels)
            if (!painted_.contains(panel)) return false;
        return true;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) painted_.insert(watched);
        return false;
    }

private:
    QSet<QObject*> painted_;
};

// The plot panels the student can see: shown, and not wholly covered by another panel (the
// animation lies on top of the Y-X plane, which is then never painted on screen).
QList<PictureBox*> panelsOnScreen(const MainWindow& window) {
    QList<PictureBox*> onScreen;
    for (PictureBox* panel : window.findChildren<PictureBox*>())
        if (panel->isVisible() && !panel->visibleRegion().isEmpty()) onScreen.append(panel);
    return onScreen;
}

} // namespace

void measureStartup(const QElapsedTimer& sinceMain) {
    QElapsedTimer sinceWindow;
    sinceWindow.start();
    RecordingPlatform platform;
    MainWindow window(platform.platform());
    PaintWatcher watcher(window.findChildren<PictureBox*>());
    window.show(); // lays the window out and draws every plot (its first resize)
    const QList<PictureBox*> panels = panelsOnScreen(window);
    if (panels.isEmpty()) throw std::runtime_error("no plot panel is on screen after start-up");

    QElapsedTimer giveUp;
    giveUp.start();
    while (!watcher.allPainted(panels)) {
        if (giveUp.hasExpired(10000)) throw std::runtime_error("the plot panels never painted");
        QApplication::processEvents();
    }
    print({"start-up to first paint of the plot panels", milliseconds(sinceMain), "ms", 300,
           "from main(); the window alone " + number(milliseconds(sinceWindow)) + " ms"});
}

} // namespace trelvix::bench
