#pragma once

#include <QWidget>

namespace trelvix {

class CircleShape;
class PictureBox;

// The magnifier: a square view of the motion of the ball centre around its equilibrium
// position.  Its whole client area is one drawing panel that keeps its picture, with the
// ball-centre marker on top.  The window is discarded when the user closes it.
class MagnifierWindow : public QWidget {
    Q_OBJECT
public:
    MagnifierWindow();

    PictureBox* surface() const { return surface_; }
    CircleShape* marker() const { return shape_; }
    // While a run locks its size its caption says so.
    void showRunInProgress(bool running);

signals:
    // The window changed size (the main window then keeps it square and draws it anew).
    void resized();

protected:
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void retranslate();

    PictureBox* surface_;
    CircleShape* shape_;
    bool running_ = false;
};

} // namespace trelvix
