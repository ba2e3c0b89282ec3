#include "shell/widgets/picture_box.h"

#include <QEvent>
#include <QPainter>
#include <algorithm>

namespace trelvix {

PictureBox::PictureBox(const QColor& background, QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    surface_.setBackground(background);
    surface_.setFont(font());
    surface_.setChangeHandler([this](const QRect& changed) { update(changed); });
}

QImage PictureBox::image() const {
    if (!compose_) return surface_.image();
    QImage picture = surface_.blankImage(); // the surface follows the panel's size
    if (picture.isNull()) return picture;
    QPainter painter(&picture);
    composeOn(painter);
    return picture;
}

void PictureBox::composeWith(std::function<void()> compose) {
    compose_ = std::move(compose);
    setKeepsPicture(false);
    update();
}

void PictureBox::setDrawing(std::function<void(graphics::Surface&)> draw) {
    drawing_ = std::move(draw);
}

void PictureBox::paintPicture(QPainter& painter) const {
    paintPicture(painter, size());
}

// A fresh surface is drawn on, so that the panel's own picture and its labels stay as they are.
void PictureBox::paintPicture(QPainter& painter, QSize size) const {
    painter.save();
    painter.setClipRect(QRect(QPoint(0, 0), size)); // lines are cut a little beyond the edges
    if (drawing_) {
        graphics::Surface fresh;
        fresh.setKeepsPicture(false);
        fresh.resize(size);
        fresh.setBackground(background());
        fresh.setFont(surface_.font());
        const graphics::Surface::PaintingThrough lent(fresh, painter);
        fresh.clear();
        drawing_(fresh);
    } else if (compose_) {
        painter.scale(double(size.width()) / std::max(1, width()),
                      double(size.height()) / std::max(1, height()));
        composeOn(painter);
    } else {
        painter.drawImage(QRectF(QPointF(0, 0), QSizeF(size)), image());
    }
    painter.restore();
}

void PictureBox::setKeepsPicture(bool keeps) {
    surface_.setKeepsPicture(keeps);
    fitSurfaceToSize();
}

void PictureBox::composeOn(QPainter& painter) const {
    const graphics::Surface::PaintingThrough lent(surface_, painter);
    compose_();
}

void PictureBox::clear() {
    fitSurfaceToSize();
    surface_.clear();
}

// A hidden panel gets no resize events, yet it is drawn on: its image follows its size whenever
// it is cleared, and on resize.
void PictureBox::fitSurfaceToSize() {
    surface_.resize(size(), devicePixelRatioF());
}

void PictureBox::paintEvent(QPaintEvent*) {
    // The image carries its device pixel ratio, so it lands pixel for pixel on the screen; the
    // painter is clipped to the part that needs painting.
    QPainter painter(this);
    if (compose_)
        composeOn(painter);
    else
        painter.drawImage(QPoint(0, 0), surface_.image());
}

void PictureBox::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    fitSurfaceToSize();
}

// Texts on the panel are printed in the panel's own font.
void PictureBox::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange) surface_.setFont(font());
}

} // namespace trelvix
