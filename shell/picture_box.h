#pragma once

#include "graphics/surface.h"

#include <QColor>
#include <QWidget>

namespace trelvix {

// A drawing panel that keeps what is drawn on it: the picture lives in the image of its drawing
// surface, so it survives being covered or hidden, and painting only copies that image to the
// screen.  The image has the panel's size in device pixels, so drawings stay sharp on
// high-density screens.
class PictureBox : public QWidget {
    Q_OBJECT
public:
    PictureBox(const QColor& background, QWidget* parent);

    QColor background() const { return surface_.background(); }
    const QImage& image() const { return surface_.image(); }
    graphics::Surface& surface() { return surface_; }

    // Returns the whole panel to its background colour (the drawing is lost).
    void clear();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void fitSurfaceToSize();

    graphics::Surface surface_;
};

} // namespace trelvix
