#include "shell/main_window/main_window.h"

#include "shell/files/experiment_files_controller.h"
#include "shell/files/export_controller.h"
#include "shell/help/authors_window.h"
#include "shell/help/help_controller.h"
#include "shell/research/measurements_window.h"
#include "shell/research/phase_portrait_window.h"
#include "shell/research/research_controller.h"
#include "shell/resonance/resonance_window.h"
#include "shell/widgets/assets.h"
#include "shell/widgets/control_style.h"
#include "shell/widgets/magnifier_window.h"
#include "shell/widgets/picture_box.h"
#include "shell/widgets/picture_menu.h"
#include "shell/widgets/window_placement.h"

#include <QCheckBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>

namespace trelvix {

namespace {
constexpr QSize designedClientSize{700, 504};
// Below this the plots would have no room left beside the right-hand block; lower than the
// block itself, whose bottom is then cut off rather than moved up.
constexpr QSize smallestClientSize{480, 240};
} // namespace

MainWindow::MainWindow(const Platform& platform, QWidget* parent)
    : QMainWindow(parent), platform_(platform) {
    setObjectName(QStringLiteral("mainWindow"));
    showTitles();
    setWindowIcon(assets::programIcon());

    auto* area = new QWidget(this);
    area->setObjectName(QStringLiteral("clientArea"));
    area->setFont(fonts::formFont());
    setBackground(area, colours::formGrey);
    setTextColour(area, TextColour::Black);
    area->setMinimumSize(smallestClientSize);
    setCentralWidget(area);

    controls_ = buildMainControls(area);
    menus_ = buildMenus(menuBar());
    resize(designedClientSize.width(),
           designedClientSize.height() + menuBar()->sizeHint().height());
    area->installEventFilter(this);

    connectHandlers();
    prepare();
    controls_.startButton->setFocus();
}

// The controllers go before the document and the run engine they follow.
MainWindow::~MainWindow() {
    delete features_.research;
    delete features_.exports;
    delete features_.files;
    delete features_.help;
    delete magnifier_;
}

// Every control's handler is connected here, before start-up writes the initial texts into the
// fields, so that a field's change handler also runs for its initial text.
void MainWindow::connectHandlers() {
    connect(controls_.animationOption, &QRadioButton::clicked, this, &MainWindow::showChosenView);
    connect(controls_.graphsOption, &QRadioButton::clicked, this, &MainWindow::showChosenView);
    connectMenus();
    connectFilesAndExport();
    connect(controls_.startButton, &QPushButton::clicked, this, &MainWindow::startOrStop);
    connect(controls_.magnifierButton, &QPushButton::clicked, this, &MainWindow::openMagnifier);
    connect(controls_.resultsFileBox, &QCheckBox::toggled, this, &MainWindow::resultsFileToggled);
    connectRun();
    connectHold();
    connectResearch();
    connectReadout();
    const MainControls& c = controls_;
    entry_.fields.connectFields(c.fields);
    entry_.bars.connectScrollBars({c.slowDownBar, c.magnifierZoomBar, c.displacementZoomBar,
                                   c.velocityZoomBar, c.energyZoomBar});
}

// The views of the document: whatever changes what the window shows redraws it.  Connected once
// start-up has written the initial inputs.
void MainWindow::connectDocument() {
    connect(&document_, &ExperimentDocument::characteristicsChanged, this, &MainWindow::redraw);
    connect(&document_, &ExperimentDocument::storedRunsChanged, this, &MainWindow::redraw);
    connect(&document_, &ExperimentDocument::lastRunChanged, this, &MainWindow::redraw);
    connect(&document_, &ExperimentDocument::viewChanged, this, [this](ViewChange change) {
        if (change == ViewChange::Scales) redraw();
    });
}

// Experiment files, the export of the last run and the pictures of the panels.
void MainWindow::connectFilesAndExport() {
    features_.files = new ExperimentFilesController(
        platform_, document_, menus_.experiment,
        [this](Input input, const QString& text) { enterFieldText(input, text); }, this);
    features_.exports = new ExportController(
        platform_, document_, menus_.experiment, [this] { return labReport(); }, this);
    const MainControls& c = controls_;
    addPictureMenu(c.animationPanel, platform_); // composed anew whenever it paints
    for (PictureBox* panel : {c.planePanel, c.displacementPanel, c.velocityPanel, c.energyPanel})
        offerPanelPicture(panel);
}

void MainWindow::openExperimentFile(const QString& path) {
    features_.files->openExperimentFile(path);
}

// A text equal to the one shown changes nothing in the field, but its rule must still be
// checked against the other inputs, as the command line does.
void MainWindow::enterFieldText(Input input, const QString& text) {
    QLineEdit* field = controls_.field(input);
    if (field->text() == text)
        entry_.fields.fieldEdited(input);
    else
        field->setText(text);
}

void MainWindow::setInputRowVisible(Input input, bool visible) {
    for (QWidget* control : {static_cast<QWidget*>(controls_.caption(input)),
                             static_cast<QWidget*>(controls_.field(input)),
                             static_cast<QWidget*>(controls_.letter(input))})
        if (control) control->setVisible(visible);
}

void MainWindow::setResultVisible(Result row, bool visible) {
    controls_.result(row)->setVisible(visible);
    if (QLabel* letter = controls_.letter(row)) letter->setVisible(visible);
}

void MainWindow::showSlowDown(int factor) {
    controls_.slowDownLabel->setText(QString::number(factor));
}

MagnifierWindow* MainWindow::magnifier() {
    if (!magnifier_) {
        magnifier_ = new MagnifierWindow;
        connect(magnifier_, &MagnifierWindow::resized, this, &MainWindow::magnifierResized);
        offerPanelPicture(magnifier_->surface());
    }
    return magnifier_;
}

void MainWindow::openMagnifier() {
    MagnifierWindow* window = magnifier();
    placeByMainWindow(window, this, WindowPlacement::Beside);
    redraw();
    window->show();
}

// The magnifier stays square, its height deciding, and is drawn anew for its new size.
void MainWindow::magnifierResized() {
    MagnifierWindow* window = magnifier();
    if (window->width() != window->height()) {
        window->resize(window->height(), window->height());
        return; // the resize comes back here once it has happened
    }
    redraw();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == clientArea() && event->type() == QEvent::Resize) redraw();
    if (showReadout(watched, event)) return true;
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    activateWindow(); // keyboard focus goes to the new window, and within it to startButton
}

} // namespace trelvix
