#include "shell/picture_box.h"

#include <QPainter>

namespace trelvix {

PictureBox::PictureBox(const QColor& background, QWidget* parent)
    : QWidget(parent), background_(background) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureBox::clear() {
    image_.fill(background_);
    update();
}

void PictureBox::paintEvent(QPaintEvent*) {
    // The image carries its device pixel ratio, so it lands pixel for pixel on the screen.
    QPainter(this).drawImage(QPoint(0, 0), image_);
}

void PictureBox::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    const qreal ratio = devicePixelRatioF();
    image_ = QImage(size() * ratio, QImage::Format_RGB32);
    image_.setDevicePixelRatio(ratio);
    clear();
}

} // namespace trelvix
