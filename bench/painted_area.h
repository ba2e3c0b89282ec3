#pragma once

// What a window repaints: the pixels of every paint event its widgets receive, counted while one
// of these lives.

#include <QObject>

class QWidget;

namespace trelvix::bench {

class PaintedArea : public QObject {
public:
    // Counts the paint events of `window` and of every widget inside it.
    explicit PaintedArea(QWidget* window);
    ~PaintedArea() override;
    PaintedArea(const PaintedArea&) = delete;
    PaintedArea& operator=(const PaintedArea&) = delete;

    // Logical pixels painted so far, summed over the paint events (a pixel painted twice counts
    // twice).
    double pixels() const { return pixels_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* window_;
    double pixels_ = 0;
};

} // namespace trelvix::bench
