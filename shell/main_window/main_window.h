#pragma once

#include "entry/entry_host.h"
#include "entry/parameter_fields.h"
#include "entry/scroll_bars.h"
#include "graphics/plot_frames.h"
#include "graphics/stored_traces.h"
#include "graphics/surfaces.h"
#include "model/experiment.h"
#include "platform/platform.h"
#include "shell/document/experiment_document.h"
#include "shell/files/lab_report.h"
#include "shell/main_window/layout.h"
#include "shell/main_window/main_controls.h"
#include "shell/main_window/menus.h"
#include "shell/run/run_controller.h"
#include "shell/run/run_menu.h"

#include <QMainWindow>
#include <QPicture>
#include <QPointer>
#include <optional>

namespace trelvix {

class AuthorsWindow;
class HelpController;
class ResearchController;
class ExperimentFilesController;
class ExportController;
class LanguageController;
class MagnifierWindow;
class ResonanceWindow;
class MeasurementsWindow;
class PhasePortraitWindow;

// The main window of the simulator.  It owns the experiment, its controls and the values of the
// last layout for the whole life of the program.  Its client area (below the menu bar) is laid
// out from scratch by every redraw.
class MainWindow : public QMainWindow, public EntryHost {
    Q_OBJECT
public:
    // `platform` gives the message boxes, the tone, the document viewers and the clock; it must
    // outlive the window.
    explicit MainWindow(const Platform& platform, QWidget* parent = nullptr);
    ~MainWindow() override;

    ExperimentDocument& document() { return document_; }
    const Experiment& experiment() const { return document_.experiment(); }

    // What the parameter fields and scroll bars need besides the messages.
    const Inputs& inputs() const override { return document_.inputs(); }
    void storeInput(Input input, double value) override { document_.storeInput(input, value); }
    void inputEdited(Input) override { document_.derive(); }
    const ViewSettings& viewSettings() const override { return document_.view(); }
    void setViewSettings(const ViewSettings& view, ViewChange change) override {
        document_.setView(view, change);
    }
    void setInputRowVisible(Input input, bool visible) override;
    void setResultVisible(Result row, bool visible) override;
    const MainControls& controls() const { return controls_; }
    const MainMenus& menus() const { return menus_; }
    const RunMenuItems& runMenu() const { return menus_.run; }
    QWidget* clientArea() const { return centralWidget(); }
    const ParameterFields& fields() const { return entry_.fields; }
    const RunController& runController() const { return run_; }

    // The last layout: control rectangles, the shape of the Y-X panel and the copy rectangles.
    const Layout& placement() const { return drawn_.placement; }
    const graphics::PlotFrames& frames() const { return drawn_.frames; }

    // Whether start-up has finished; until then size changes draw nothing.
    bool isReady() const { return drawn_.ready; }

    // The one redraw routine: lays the window out, shows the characteristics and draws every
    // plot anew from the document (the last run included while it belongs to the inputs shown).
    // Does nothing before start-up has finished.
    void redraw();

    // Shows the animation view or the time-graph view, as the option buttons say.
    void showChosenView();

    // The magnifier window, created hidden on first use (the user may close and so discard it).
    MagnifierWindow* magnifier();
    // The lab report of the experiment and its last run, as «Отчёт (PDF)…» writes it.
    LabReport labReport();
    // The authors window, while it is open.
    AuthorsWindow* authorsWindow() const;
    // The resonance window, while it is open.
    ResonanceWindow* resonanceWindow() const;

    void showSlowDown(int factor) override;
    MessageBoxes& messages() override { return platform_.messages; }
    Tone& tone() override { return platform_.tone; }

    // START/STOP: runs the experiment inside the click, or stops the run in progress.
    void startOrStop();
    // Whether a run is going on (held or not) and has not been told to stop.
    bool running() const;
    // "Файл" turned on: the results file is created with the header of the parameters.
    void resultsFileToggled(bool on);
    // "ЛУПА": the magnifier opens beside the main window, freshly drawn.
    void openMagnifier();
    // The magnifier changed size: it stays square and is drawn anew.
    void magnifierResized();

    void openResonanceCurve();

    // Opens an experiment file (given on the command line); one that cannot be used explains
    // why in a box and changes nothing.
    void openExperimentFile(const QString& path);
    MeasurementsWindow* measurementsWindow() const;
    PhasePortraitWindow* phasePortraitWindow() const;

    // The six drawing surfaces, the magnifier's included (created hidden if need be).
    graphics::Surfaces surfaces();

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void connectHandlers();
    void connectDocument();
    bool lastRunBelongsToInputs() const;
    void connectMenus();
    // Sets every text of the window in the current language.
    void retranslate();
    void connectRun();
    void connectFilesAndExport();
    void enterFieldText(Input input, const QString& text);
    void connectHold();
    void showHold(bool held);
    void enableMenuItems();
    void connectResearch();
    void drawStoredRuns();
    std::vector<graphics::LegendEntry> legend() const;
    void connectReadout();
    bool showReadout(QObject* watched, QEvent* event);
    void prepare();
    void placeOnScreen();
    void writeInitialInputs();
    void layOut();
    void showCharacteristics();
    void redrawPlots();
    QString separatorText() const;
    std::string separator() const { return separatorText().toStdString(); }
    const graphics::PlotLayout& plotLayout() const { return drawn_.placement.plots; }
    void placeMarker(double X);

    void drawStep(const RunState& state, bool drawsFrame);
    // The pictures of the plot panels (main_window_pictures.cpp).
    void composeScene();
    void showSceneAtRest();
    void showSceneFrame(const RunState& state);
    void keepPicturesOfShownPanels();
    void redrawPanel(PictureBox* panel);
    void drawPanel(PictureBox* panel, graphics::Surface& onto);
    // The picture menu of a plot panel or the magnifier, whose vector drawings are drawn anew.
    void offerPanelPicture(PictureBox* panel);
    QPicture plotPicture(PictureBox* panel);
    void runFinished(RunEnd end);
    void setRunControlsEnabled(bool enabled);
    void setRunWindowState(bool runInProgress);
    void showTitles();
    std::array<HeaderRow, allInputs.size()> headerRows() const;
    void reportFileFailure(const QString& path, const QString& reason);

    // What the last redraw laid out and drew.
    struct Drawing {
        bool ready = false; // start-up has finished; until then size changes draw nothing
        Layout placement;
        graphics::PlotFrames frames{};
        std::optional<RunState> scene; // the animation's frame during a run; none at rest
    };
    // What the captions of the window and the magnifier say: the run's state, and after a click
    // on startButton the seconds the run took.
    struct Caption {
        enum class State { AtStart, Running, Held, AfterRun } state = State::AtStart;
        std::optional<long long> elapsedSeconds;
    };
    // The time the current run has spent held, which the elapsed seconds leave out.
    struct HeldTime {
        double since = 0;   // clock reading when the run was last held, s
        double seconds = 0; // s
    };
    // The features beside the main window, each owning its actions and dialogs.
    struct Features {
        HelpController* help = nullptr;
        ResearchController* research = nullptr;
        ExperimentFilesController* files = nullptr;
        ExportController* exports = nullptr;
        LanguageController* language = nullptr;
    };
    // The parameter fields and the scroll bars, with the window as their host.
    struct Entry {
        explicit Entry(EntryHost& host) : fields(host), bars(host) {}
        ParameterFields fields;
        ScrollBars bars;
    };

    Platform platform_;
    ExperimentDocument document_;
    MainControls controls_{};
    MainMenus menus_{};
    Drawing drawn_;
    HeldTime held_;
    Caption caption_;
    QPointer<MagnifierWindow> magnifier_;
    Features features_;
    RunController run_{document_, this};
    Entry entry_{*this};
};

} // namespace trelvix
