#pragma once

// A drawing surface with a persistent image: every plot panel and the magnifier draw into one.
//
// What is drawn stays in the image until clear() (or a resize, which keeps the old picture at the
// top-left): covering the widget that shows it loses nothing, and the animation can read the Y-X
// plot's picture at any moment.  The widget only copies image() when it paints.
//
// A surface may also keep no picture at all (setKeepsPicture(false)): a large image costs tens of
// megabytes, which a hidden panel, redrawn when it is shown, or the animation, composed anew on
// every frame, need not hold.  Such a surface keeps its size and frame and draws only through a
// painter lent to it (PaintingThrough) while its widget paints.
//
// Drawing is done in a user frame set by scale(): the vertical coordinate may grow downward
// (the plane, where X is counted down) or upward (the time graphs).  Lines are not antialiased,
// so every pixel of a grid line or a trace has exactly its colour.  Drawing into a degenerate
// frame (empty surface, a zero or non-finite extent) is skipped, and lines are cut to the
// surface before they reach the painter, so extreme values never crash or stall the program.

#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPointF>
#include <QRect>
#include <QSize>
#include <QString>
#include <functional>
#include <optional>
#include <span>
#include <vector>

namespace trelvix::graphics {

enum class LineStyle { Solid = 0, Dashed = 1 };
enum class FillStyle { Solid = 0, Transparent = 1 };

class Surface {
public:
    Surface();
    Surface(const Surface&) = delete;
    Surface& operator=(const Surface&) = delete;

    // --- The image. ---------------------------------------------------------------------------
    // The image is allocated at logical size × device pixel ratio; all coordinates of this class
    // (pixels included) are logical, so a HiDPI screen gets crisp lines of the same geometry.
    // The old picture is kept at the top-left, new area is background.
    void resize(QSize logicalSize, qreal devicePixelRatio = 1.0);
    QSize size() const { return size_; }
    const QImage& image() const { return image_; }

    // Called after every change of the image with the logical rectangle that changed, so that
    // the widget showing the surface can schedule a repaint of just that part.
    void setChangeHandler(std::function<void(const QRect&)> handler);

    // Whether the surface holds an image.  Giving the picture up frees the image and leaves the
    // size and frame; keeping it again starts from a blank image of the background colour.
    void setKeepsPicture(bool keeps);
    bool keepsPicture() const { return keepsPicture_; }
    // A new image of the surface's size and pixel ratio in its background colour; null when the
    // size cannot be allocated.
    QImage blankImage() const;

    // While one lives, every drawing operation goes through `painter` (already begun on a device
    // of the surface's logical size) instead of into the image, and no change is reported: the
    // caller is painting.  clear() fills the surface's area with the background colour.
    class PaintingThrough {
    public:
        PaintingThrough(Surface& surface, QPainter& painter);
        ~PaintingThrough();
        PaintingThrough(const PaintingThrough&) = delete;
        PaintingThrough& operator=(const PaintingThrough&) = delete;

    private:
        Surface& surface_;
    };

    // --- The user frame. ----------------------------------------------------------------------
    // (x1, y1) is the top-left corner, (x2, y2) the bottom-right.  Until the first call the frame
    // is the surface's own pixels.
    void scale(double x1, double y1, double x2, double y2);
    // Whether drawing is possible: a non-empty surface, a frame of finite, non-zero extent, and
    // something to draw on (the image, or a lent painter).
    bool hasFrame() const;
    // The one conversion between the user frame and logical pixels.  Without a usable frame
    // both give NaN coordinates.
    QPointF toPixel(QPointF user) const;
    QPointF toUser(QPointF pixel) const;
    // Logical pixels per user unit across and down (negative where the axis grows upward).
    QPointF pixelsPerUnit() const;

    // --- Drawing state. -----------------------------------------------------------------------
    int penWidth() const { return penWidth_; }
    void setPenWidth(int pixels);
    LineStyle lineStyle() const { return lineStyle_; }
    void setLineStyle(LineStyle style) { lineStyle_ = style; }
    QColor foreground() const { return foreground_; }
    void setForeground(const QColor& colour) { foreground_ = colour; }
    QColor fillColor() const { return fillColor_; }
    void setFillColor(const QColor& colour) { fillColor_ = colour; }
    FillStyle fillStyle() const { return fillStyle_; }
    void setFillStyle(FillStyle style) { fillStyle_ = style; }
    QColor background() const { return background_; }
    // Takes effect at the next clear(): what is drawn keeps its background until then.
    void setBackground(const QColor& colour) { background_ = colour; }
    const QFont& font() const { return font_; }
    void setFont(const QFont& font);
    // The current position in user coordinates, where the next text or line-to starts.
    QPointF currentPosition() const { return current_; }
    void setCurrentPosition(QPointF user) { current_ = user; }

    // --- Drawing operations, all in user coordinates. -----------------------------------------
    // A line in `colour`; the current position moves to `to`.
    void line(QPointF from, QPointF to, const QColor& colour);
    // A line from the current position; the current position moves to `to`.
    void lineTo(QPointF to, const QColor& colour);
    // Several line-to steps in one go (one painter for the whole polyline).
    void polylineTo(std::span<const QPointF> points, const QColor& colour);
    // A dot of the pen width in the foreground colour; the current position moves there.
    void point(QPointF at);
    // A circle whose radius is measured along the horizontal axis of the frame, round in
    // pixels, outlined in `outline` with the pen width and filled with the fill colour when
    // the fill style is solid.
    void circle(QPointF centre, double radius, const QColor& outline);
    // Text in the foreground colour with its top-left corner at the current position; the
    // current position then moves to the left edge of the frame, one text line lower.
    void print(const QString& text);
    // The whole image back to the background colour, the current position to (0, 0), and no
    // labels.
    void clear();

    // --- Labels: texts that must stay readable. -----------------------------------------------
    // The box, in logical pixels, that `text` covers when printed at the current position.
    QRectF textBox(const QString& text) const;
    // The same box moved inside the surface by as little as it needs (it stays where it is if it
    // is larger than the surface).
    QRectF textBoxInside(const QString& text) const;
    // Keeps later labels out of `box`: the place of a label that must win, drawn later.
    void reserveLabelArea(const QRectF& box);
    // Prints `text` as print() does, unless its box overlaps a label printed or an area reserved
    // since the last clear; a label identical to one already printed at the same place is not
    // printed again (antialiased text drawn twice would grow darker).  Returns whether the label
    // stands, printed now or before.
    bool printLabel(const QString& text);
    // A grid label: a dot at `at` and `text` printed there by printLabel(); neither when the label
    // cannot stand.
    bool pointWithLabel(QPointF at, const QString& text);
    // Prints `text` with its top-left corner at `box` (in logical pixels), whatever it overlaps,
    // and counts it among the labels: the axis names, whose areas were reserved.
    void printReservedLabel(const QString& text, const QRectF& box);
    // The labels printed since the last clear.
    struct Label {
        QRectF box;
        QString text;
    };
    const std::vector<Label>& labels() const { return labels_; }

    // Copies `sourceRect` of `source` (logical pixels) onto `targetRect` of this surface,
    // leaving out every pixel of exactly the colour `key`.  Rectangles are cut to the images.
    void transparentCopyFrom(const Surface& source, const QRect& sourceRect,
                             const QRect& targetRect, const QColor& key);

    // Whether the image may hold a pixel of exactly `colour`: true when something drawn since
    // the last clear used that colour or one within blending distance of it.  Lets the
    // transparent copy skip its per-pixel mask when the key cannot occur.
    bool mayContain(const QColor& colour) const;

private:
    struct Frame {
        double x1 = 0, y1 = 0;
        double pixelsPerX = 1, pixelsPerY = 1; // signed: negative where the axis grows upward
    };

    class OperationPainter;
    void updateFrame();
    bool canDraw() const { return frameUsable_ && (lent_ != nullptr || !image_.isNull()); }
    QRectF drawableBox() const;
    QRectF userBox() const;
    void strokePolyline(std::span<const QPointF> path, const QColor& colour);
    void noteInk(const QColor& colour);
    void changed(const QRectF& logical);
    void drawTextAt(QPointF anchor, const QString& text);
    bool overlapsALabel(const QRectF& box) const;
    bool isPrintedLabel(const QRectF& box, const QString& text) const;

    struct Corners {
        double x1, y1, x2, y2; // top-left and bottom-right, user units
    };

    QImage image_;
    QSize size_;
    qreal devicePixelRatio_ = 1;
    bool keepsPicture_ = true;
    QPainter* lent_ = nullptr; // while painting through a caller's painter
    std::optional<Corners> userFrame_;
    Frame frame_;
    bool frameUsable_ = false;

    int penWidth_ = 1;
    LineStyle lineStyle_ = LineStyle::Solid;
    QColor foreground_ = Qt::black;
    QColor fillColor_ = Qt::black;
    FillStyle fillStyle_ = FillStyle::Transparent;
    QColor background_ = Qt::white;
    QFont font_;
    QFontMetricsF metrics_; // of font_ on this image: measuring anew costs more than drawing
    QPointF current_{0, 0};

    std::vector<QRgb> inks_; // every colour used since the last clear
    std::vector<Label> labels_;
    std::vector<QRectF> reservedAreas_;
    std::function<void(const QRect&)> onChange_;
};

} // namespace trelvix::graphics
