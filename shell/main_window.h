#pragma once

#include "entry/entry_host.h"
#include "entry/parameter_fields.h"
#include "entry/scroll_bars.h"
#include "graphics/plot_frames.h"
#include "graphics/surfaces.h"
#include "model/experiment.h"
#include "model/results_file.h"
#include "platform/platform.h"
#include "shell/layout.h"
#include "shell/main_controls.h"
#include "shell/menus.h"
#include "shell/pace.h"

#include <QMainWindow>
#include <QPointer>
#include <cstdint>

class QEventLoop;

namespace trelvix {

class AuthorsWindow;
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

    // START/STOP: runs the experiment inside the click, or stops the run in progress.
    void CmdOK_Click();
    // Whether CmdOK reads STOP, the run state of the window.
    bool running() const;
    // "Файл" turned on: the results file is created with the header of the parameters.
    void Check_p_Click();
    // "ЛУПА": the magnifier opens beside the main window, freshly drawn.
    void Command1_Click();
    // The magnifier changed size: it stays square and is drawn anew.
    void Form3_Resize();

    // The menu commands.
    void mnuFilespravka_Click();
    void mnuFilespravka2_Click();
    void mnuFileExit_Click();
    void mnuHelpInstruction_Click();
    void mnuHelpUprav_Click();
    void mnuHelpAvtors_Click();
    void mnuHelpAbout_Click();
    // The authors window, while it is open.
    AuthorsWindow* Form2() const;

    // The six drawing surfaces, the magnifier's included (created hidden if need be).
    graphics::Surfaces surfaces();
    const graphics::PlotFrames& frames() const { return frames_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void connectHandlers();
    void connectMenus();
    void Form_Load();
    void placeOnScreen();
    void nach_dannye();
    void razmetka();
    void redrawPlots();
    QString separatorText() const;
    std::string separator() const { return separatorText().toStdString(); }
    const graphics::PlotLayout& plotLayout() const { return placement_.plots; }
    void placeMarker(double X);

    void raschet();
    void drawStep(bool drawsFrame);
    void recordStep();
    void finishRun();
    void setRunControlsEnabled(bool enabled);
    void setRunWindowState(bool runInProgress);
    void Wait(double seconds);
    void Timer1_Timer();
    ParameterTexts headerTexts() const;
    void reportFileFailure(const FileStatus& status);

    Platform platform_;
    Experiment experiment_{};
    std::int16_t zagruzka_ = 0;
    MainControls controls_{};
    MainMenus menus_{};
    Layout placement_;
    QPointer<MagnifierWindow> form3_;
    QPointer<AuthorsWindow> form2_;
    graphics::PlotFrames frames_{};
    ResultsFile resultsFile_;
    Pace pace_;
    QEventLoop* pause_ = nullptr; // the nested loop of the pause in progress
    bool timerFired_ = false;     // whether the pause ended by its timer
    bool runActive_ = false;      // raschet is on the stack (even after a stop click)
    bool ending_ = false;         // the program is ending: a run stops at once
    ParameterFields fields_{*this};
    ScrollBars scrollBars_{*this};
};

} // namespace trelvix
