#pragma once

#include <QColor>
#include <QImage>
#include <QWidget>

namespace trelvix {

// A drawing panel that keeps what is drawn on it: the picture lives in an image, so it survives
// being covered or hidden, and painting only copies that image to the screen.  The image has
// the panel's size in device pixels, so drawings stay sharp on high-density screens.
class PictureBox : public QWidget {
    Q_OBJECT
public:
    PictureBox(const QColor& background, QWidget* parent);

    QColor background() const { return background_; }
    const QImage& image() const { return image_; }

    // Returns the whole panel to its background colour (the drawing is lost).
    void clear();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    bool fitImageToSize();

    QColor background_;
    QImage image_;
};

} // namespace trelvix
