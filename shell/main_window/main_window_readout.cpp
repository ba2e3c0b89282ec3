// The readout under the cursor: a tooltip over the time graphs and the Y-X plane.

#include "graphics/readout.h"
#include "shell/main_window/main_window.h"
#include "shell/widgets/picture_box.h"

#include <QHelpEvent>
#include <QToolTip>

namespace trelvix {

void MainWindow::connectReadout() {
    for (PictureBox* panel : {controls_.planePanel, controls_.displacementPanel,
                              controls_.velocityPanel, controls_.energyPanel})
        panel->installEventFilter(this);
}

// Handles a tooltip request over one of the panels connectReadout() watches; false for every
// other event.
bool MainWindow::showReadout(QObject* watched, QEvent* event) {
    auto* panel = qobject_cast<PictureBox*>(watched);
    if (!panel || event->type() != QEvent::ToolTip) return false;
    const MainControls& c = controls_;
    const QPoint at = static_cast<QHelpEvent*>(event)->pos();
    const QString separator = separatorText();
    QString text;
    if (panel == c.planePanel) {
        text = graphics::planeReadout(panel->surface(), at, separator);
    } else {
        const graphics::TimeGraph graph = panel == c.displacementPanel
                                              ? graphics::TimeGraph::Displacement
                                          : panel == c.velocityPanel ? graphics::TimeGraph::Velocity
                                                                     : graphics::TimeGraph::Energy;
        text = graphics::timeGraphReadout(graph, panel->surface(), run_.record(), at, separator);
    }
    QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), text, panel);
    return true;
}

} // namespace trelvix
