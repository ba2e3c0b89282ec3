#include "shell/picture_box.h"

#include <QPainter>

namespace trelvix {

PictureBox::PictureBox(const QColor& background, QWidget* parent)
    : QWidget(parent), background_(background) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureBox::clear() {
    fitImageToSize();
    image_.fill(background_);
    update();
}

// A hidden panel gets no resize events, yet it is drawn on: its image follows its size whenever
// it is cleared, and on resize.
bool PictureBox::fitImageToSize() {
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = size() * ratio;
    if (image_.size() == pixels && image_.devicePixelRatio() == ratio) return false;
    image_ = QImage(pixels, QImage::Format_RGB32);
    image_.setDevicePixelRatio(ratio);
    return true;
}

void PictureBox::paintEvent(QPaintEvent*) {
    // The image carries its device pixel ratio, so it lands pixel for pixel on the screen.
    QPainter(this).drawImage(QPoint(0, 0), image_);
}

void PictureBox::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (fitImageToSize()) image_.fill(background_);
}

} // namespace trelvix
