#include "shell/widgets/magnifier_window.h"

#include "shell/main_window/window_texts.h"
#include "shell/widgets/assets.h"
#include "shell/widgets/circle_shape.h"
#include "shell/widgets/control_style.h"
#include "shell/widgets/picture_box.h"

#include <QEvent>
#include <QVBoxLayout>

namespace trelvix {

MagnifierWindow::MagnifierWindow()
    : surface_(new PictureBox(Qt::white, this)), shape_(new CircleShape(surface_)) {
    setObjectName(QStringLiteral("magnifierWindow"));
    setWindowIcon(assets::programIcon());
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_QuitOnClose, false); // the program ends with its main window
    setFont(fonts::times1125());
    setBackground(this, Qt::white);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(surface_);

    shape_->setObjectName(QStringLiteral("marker"));
    shape_->setGeometry(40, 96, 10, 17);
    resize(250, 250);
    retranslate();
}

void MagnifierWindow::showRunInProgress(bool running) {
    running_ = running;
    retranslate();
}

void MagnifierWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) retranslate();
    QWidget::changeEvent(event);
}

void MagnifierWindow::retranslate() {
    setWindowTitle(running_ ? texts::titleWhileRunning() : texts::magnifierTitle());
    surface_->setAccessibleName(tr("лупа: движение центра шара"));
}

void MagnifierWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    emit resized();
}

} // namespace trelvix
