#pragma once

#include <QWidget>

namespace trelvix {

// A circle outline in the middle of its rectangle, as wide as the rectangle's narrower side: the
// marker of the ball centre in the magnifier.
// It is drawn over the panel beneath it and lets the mouse through.
class CircleShape : public QWidget {
    Q_OBJECT
public:
    explicit CircleShape(QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace trelvix
