#pragma once

#include "graphics/surface.h"

#include <QColor>
#include <QWidget>
#include <functional>

namespace trelvix {

// A drawing panel that keeps what is drawn on it: the picture lives in the image of its drawing
// surface, so it survives being covered, and painting only copies that image to the screen.  The
// image has the panel's size in device pixels, so drawings stay sharp on high-density screens.
//
// A panel may instead compose its picture whenever it paints (composeWith), or give its picture
// up while hidden (setKeepsPicture): at large sizes each image costs tens of megabytes.
class PictureBox : public QWidget {
    Q_OBJECT
public:
    PictureBox(const QColor& background, QWidget* parent);

    QColor background() const { return surface_.background(); }
    // The picture as the panel shows it: the kept image, or a composition made now.
    QImage image() const;
    graphics::Surface& surface() { return surface_; }

    // From now on the panel keeps no image: `compose` draws the whole picture on surface() each
    // time the panel paints or its image() is asked for.
    void composeWith(std::function<void()> compose);
    // How the panel's whole picture is drawn anew on a surface of the panel's size, with the
    // routines that draw the screen: the vector drawings of the panel (SVG, PDF) come from it.
    void setDrawing(std::function<void(graphics::Surface&)> draw);
    // The panel's picture painted through `painter`, whose device has the panel's logical size:
    // drawn anew as setDrawing() says, else composed, else the kept image.
    void paintPicture(QPainter& painter) const;
    // The same at another size: the lines and texts keep their widths and sizes in pixels, the
    // frame fills the new size (composed and kept pictures are scaled).
    void paintPicture(QPainter& painter, QSize size) const;

    // Whether the panel holds its picture; one given up is blank when kept again.
    void setKeepsPicture(bool keeps);
    bool keepsPicture() const { return surface_.keepsPicture(); }

    // Returns the whole panel to its background colour (the drawing is lost).
    void clear();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void fitSurfaceToSize();
    void composeOn(QPainter& painter) const;

    // Mutable: a composing panel lends its surface a painter while it makes its picture, and
    // takes it back before it returns.
    mutable graphics::Surface surface_;
    std::function<void()> compose_;
    std::function<void(graphics::Surface&)> drawing_;
};

} // namespace trelvix
