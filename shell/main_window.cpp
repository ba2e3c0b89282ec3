#include "shell/main_window.h"

#include "shell/assets.h"
#include "shell/authors_window.h"
#include "shell/control_style.h"
#include "shell/magnifier_window.h"
#include "shell/measurements_window.h"
#include "shell/phase_portrait_window.h"
#include "shell/picture_menu.h"
#include "shell/resonance_window.h"
#include "shell/window_texts.h"

#include <QCheckBox>
#include <QEvent>
#include <QLabel>
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
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(texts::titleAtStart);
    setWindowIcon(assets::programIcon());

    auto* area = new QWidget(this);
    area->setObjectName(QStringLiteral("Form1Client"));
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
    controls_.CmdOK->setFocus();
}

MainWindow::~MainWindow() {
    delete measurements_;
    delete phasePortrait_;
    delete magnifier_;
    delete authorsWindow_;
    delete resonanceWindow_;
}

// Every control's handler is connected here, before start-up writes the initial texts into the
// fields, so that a field's change handler also runs for its initial text.
void MainWindow::connectHandlers() {
    connect(controls_.Option1, &QRadioButton::clicked, this, &MainWindow::showChosenView);
    connect(controls_.Option2, &QRadioButton::clicked, this, &MainWindow::showChosenView);
    connectMenus();
    connectExperimentMenus();
    connect(controls_.CmdOK, &QPushButton::clicked, this, &MainWindow::startOrStop);
    connect(controls_.Command1, &QPushButton::clicked, this, &MainWindow::openMagnifier);
    connect(controls_.Check_p, &QCheckBox::toggled, this, &MainWindow::resultsFileToggled);
    connectRun();
    connectHold();
    connectResearch();
    connectReadout();
    fields_.connectFields(clientArea());
    scrollBars_.connectScrollBars(clientArea());
}

void MainWindow::setControlVisible(const QString& controlName, bool visible) {
    if (auto* control = clientArea()->findChild<QWidget*>(controlName))
        control->setVisible(visible);
}

void MainWindow::showSlowDown(int factor) {
    controls_.Label21->setText(QString::number(factor));
}

MagnifierWindow* MainWindow::magnifier() {
    if (!magnifier_) {
        magnifier_ = new MagnifierWindow;
        connect(magnifier_, &MagnifierWindow::resized, this, &MainWindow::magnifierResized);
        addPictureMenu(magnifier_->surface(), platform_.files, platform_.messages);
    }
    return magnifier_;
}

void MainWindow::openMagnifier() {
    MagnifierWindow* window = magnifier();
    const QRect outer = frameGeometry();
    window->move(outer.x() + outer.width(), outer.y()); // flush against the right edge
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
    activateWindow(); // keyboard focus goes to the new window, and within it to CmdOK
}

} // namespace trelvix
