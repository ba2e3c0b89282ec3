#pragma once

#include "entry/entry_host.h"
#include "entry/parameter_fields.h"
#include "entry/scroll_bars.h"
#include "model/experiment.h"
#include "platform/platform.h"
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
class MainWindow : public QMainWindow, public EntryHost {
    Q_OBJECT
public:
    // `platform` gives the message boxes, the tone, the document viewers and the clock; it must
    // outlive the window.
    explicit MainWindow(const Platform& platform, QWidget* parent = nullptr);
    ~MainWindow() override;

    Experiment& experiment() override { return experiment_; }
    const MainControls& controls() const { return controls_; }
    const MainMenus& menus() const { return menus_; }
    QWidget* clientArea() const { return centralWidget(); }

    // The last layout: control rectangles, koeff_1 and the copy rectangles.
    const Layout& placement() const { return placement_; }

    // 0 while the window is being prepared, 1 once start-up has finished.
    std::int16_t zagruzka() const { return zagruzka_; }

    // The one redraw routine: lays the window out, recomputes and shows the characteristics and
    // clears every plot.  Does nothing before start-up has finished.
    void Form_Resize() override;

    // Recomputes the characteristics of the experiment and writes them into the result labels.
    void parametr();

    // Shows the animation view or the time-graph view, as the option buttons say.
    void vybor_grafika();
    void Option1_Click();
    void Option2_Click();

    // The magnifier window, created hidden on first use (the user may close and so discard it).
    MagnifierWindow* Form3();

    // What the parameter fields and scroll bars need besides the experiment and the redraw.
    void setControlVisible(const QString& controlName, bool visible) override;
    void setCaption(const QString& labelName, const QString& text) override;
    MessageBoxes& messages() override { return platform_.messages; }
    Tone& tone() override { return platform_.tone; }

    const ParameterFields& fields() const { return fields_; }

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

    Platform platform_;
    Experiment experiment_{};
    std::int16_t zagruzka_ = 0;
    MainControls controls_{};
    MainMenus menus_{};
    Layout placement_;
    QPointer<MagnifierWindow> form3_;
    ParameterFields fields_{*this};
    ScrollBars scrollBars_{*this};
};

} // namespace trelvix
