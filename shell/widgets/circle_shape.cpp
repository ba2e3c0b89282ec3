#include "shell/widgets/circle_shape.h"

#include <QPainter>
#include <algorithm>

namespace trelvix {

CircleShape::CircleShape(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void CircleShape::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 1));
    // A circle as wide as the narrower side of the box, in its middle: a box of 10 × 17 holds a
    // circle 10 pixels across, not an oval.
    // On whole pixels, so that the outline covers exactly that many rows and columns.
    const int diameter = std::min(width(), height());
    const QRect circle((width() - diameter) / 2, (height() - diameter) / 2, diameter, diameter);
    painter.drawEllipse(QRectF(circle).adjusted(0.5, 0.5, -0.5, -0.5));
}

} // namespace trelvix
