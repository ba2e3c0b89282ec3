#include "shell/main_window.h"

#include "shell/assets.h"
#include "shell/authors_window.h"
#include "shell/control_style.h"
#include "shell/magnifier_window.h"

#include <QCheckBox>
#include <QEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

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
    setWindowTitle(QStringLiteral("Вертикальные вынужденные колебания шара на пружине в среде"));
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
    Form_Load();
    controls_.CmdOK->setFocus();
}

MainWindow::~MainWindow() {
    delete form3_;
    delete form2_;
}

// Every control's handler is connected here, before start-up writes the initial texts into the
// fields, so that a field's change handler also runs for its initial text.
void MainWindow::connectHandlers() {
    connect(controls_.Option1, &QRadioButton::clicked, this, &MainWindow::Option1_Click);
    connect(controls_.Option2, &QRadioButton::clicked, this, &MainWindow::Option2_Click);
    connectMenus();
    connect(controls_.CmdOK, &QPushButton::clicked, this, &MainWindow::CmdOK_Click);
    connect(controls_.Command1, &QPushButton::clicked, this, &MainWindow::Command1_Click);
    connect(controls_.Check_p, &QCheckBox::toggled, this, &MainWindow::Check_p_Click);
    connect(controls_.Timer1, &QTimer::timeout, this, &MainWindow::Timer1_Timer);
    fields_.connectFields(clientArea());
    scrollBars_.connectScrollBars(clientArea());
}

void MainWindow::setControlVisible(const QString& controlName, bool visible) {
    if (auto* control = clientArea()->findChild<QWidget*>(controlName))
        control->setVisible(visible);
}

void MainWindow::setCaption(const QString& labelName, const QString& text) {
    if (auto* label = clientArea()->findChild<QLabel*>(labelName)) label->setText(text);
}

MagnifierWindow* MainWindow::Form3() {
    if (!form3_) {
        form3_ = new MagnifierWindow;
        connect(form3_, &MagnifierWindow::resized, this, &MainWindow::Form3_Resize);
    }
    return form3_;
}

void MainWindow::Command1_Click() {
    MagnifierWindow* magnifier = Form3();
    const QRect outer = frameGeometry();
    magnifier->move(outer.x() + outer.width(), outer.y()); // flush against the right edge
    Form_Resize();
    magnifier->show();
}

// The magnifier stays square, its height deciding, and is drawn anew for its new size.
void MainWindow::Form3_Resize() {
    MagnifierWindow* magnifier = Form3();
    if (magnifier->width() != magnifier->height()) {
        magnifier->resize(magnifier->height(), magnifier->height());
        return; // the resize comes back here once it has happened
    }
    Form_Resize();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == clientArea() && event->type() == QEvent::Resize) Form_Resize();
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    activateWindow(); // keyboard focus goes to the new window, and within it to CmdOK
}

} // namespace trelvix
