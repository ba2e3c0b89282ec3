#include "shell/help/authors_window.h"

#include "shell/main_window/window_texts.h"
#include "shell/widgets/assets.h"

#include <QEvent>
#include <QLabel>

namespace trelvix {

AuthorsWindow::AuthorsWindow(QWidget* parent)
    : QWidget(parent, Qt::Window), image_(new QLabel(this)), label_(new QLabel(this)) {
    setObjectName(QStringLiteral("authorsWindow"));
    setWindowIcon(assets::programIcon());
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_QuitOnClose, false); // the program ends with its main window
    setFixedSize(222, 297);

    image_->setObjectName(QStringLiteral("picture"));
    image_->setGeometry(32, 8, 150, 180);
    image_->setPixmap(assets::authorsPicture());

    label_->setObjectName(QStringLiteral("credit"));
    label_->setGeometry(8, 200, 209, 81);
    label_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label_->setWordWrap(true);
    retranslate();
}

void AuthorsWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) retranslate();
    QWidget::changeEvent(event);
}

void AuthorsWindow::retranslate() {
    setWindowTitle(texts::authorsTitle());
    image_->setAccessibleName(tr("рисунок: шар на пружине"));
    label_->setText(texts::authorsText());
}

} // namespace trelvix
