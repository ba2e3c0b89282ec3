#include "shell/help/authors_window.h"

#include "shell/main_window/window_texts.h"
#include "shell/widgets/assets.h"

#include <QLabel>

namespace trelvix {

AuthorsWindow::AuthorsWindow(QWidget* parent)
    : QWidget(parent, Qt::Window), image_(new QLabel(this)), label_(new QLabel(this)) {
    setObjectName(QStringLiteral("authorsWindow"));
    setWindowTitle(texts::authorsTitle);
    setWindowIcon(assets::programIcon());
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_QuitOnClose, false); // the program ends with its main window
    setFixedSize(222, 297);

    image_->setObjectName(QStringLiteral("picture"));
    image_->setGeometry(32, 8, 150, 180);
    image_->setPixmap(assets::authorsPicture());
    image_->setAccessibleName(QStringLiteral("рисунок: шар на пружине"));

    label_->setObjectName(QStringLiteral("credit"));
    label_->setGeometry(8, 200, 209, 81);
    label_->setText(texts::authorsText);
    label_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label_->setWordWrap(true);
}

} // namespace trelvix
