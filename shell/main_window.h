#pragma once

#include "model/experiment.h"
#include "shell/layout.h"
#include "shell/main_controls.h"
#include "shell/menus.h"

#include <QMainWindow>
#include <QPointer>
#include <cstdint>

namespace trelvix {

class MagnifierWindow;

// Form1, the main window of the simulator.  It owns the one experiment record, its controls and
// the values of the last layout for the whole life of the program.  Its client area (below the
// menu bar) is laid out from scratch by every redraw.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    Experiment& experiment() { return experiment_; }
    const MainControls& controls() const { return controls_; }
    const MainMenus& menus() const { return menus_; }
    QWidget* clientArea() const { return centralWidget(); }

    // The last layout: control rectangles, koeff_1 and the copy rectangles.
    const Layout& placement() const { return placement_; }

    // 0 while the window is being prepared, 1 once start-up has finished.
    std::int16_t zagruzka() const { return zagruzka_; }

    // The one redraw routine: lays the window out, recomputes and shows the characteristics and
    // clears every plot.  Does nothing before start-up has finished.
    void Form_Resize();

    // Recomputes the characteristics of the experiment and writes them into the result labels.
    void parametr();

    // Shows the animation view or the time-graph view, as the option buttons say.
    void vybor_grafika();
    void Option1_Click();
    void Option2_Click();

    // The magnifier window, created hidden on first use (the user may close and so discard it).
    MagnifierWindow* Form3();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void connectHandlers();
    void Form_Load();
    void placeOnScreen();
    void nach_dannye();
    void razmetka();
    void clearPanels();

    Experiment experiment_{};
    std::int16_t zagruzka_ = 0;
    MainControls controls_{};
    MainMenus menus_{};
    Layout placement_;
    QPointer<MagnifierWindow> form3_;
};

} // namespace trelvix
