#include "graphics/surface.h"

#include "graphics/line_clip.h"
#include "graphics/style.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPolygonF>
#include <QVarLengthArray>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace trelvix::graphics {

namespace {

// Lines are cut this far (plus the pen width) outside the image, so that their round ends
// still lie beyond the edge and the cut never shows.
constexpr double cutMargin = 8;
// A circle wider than this many pixels is left out: no panel shows enough of its rim to matter,
// and flattening such a curve costs the painter dearly.
constexpr double largestCircleRadius = 1e5;
// A label anchored farther than this left of or above the image cannot reach into it.
constexpr double textReach = 4096;
// Antialiased text blends neighbouring colours; a channel this close to the key's may round to
// exactly the key.
constexpr int blendDistance = 2;
// The pattern of the dashed style, in pen widths: dash, gap.
const QList<qreal> dashPattern{6, 4};

constexpr double notANumber = std::numeric_limits<double>::quiet_NaN();

bool isFinite(QPointF p) {
    return std::isfinite(p.x()) && std::isfinite(p.y());
}

QPen penFor(const QColor& colour, int width, LineStyle style) {
    // Round ends like a geometric pen's; bevelled joins, because the painter strokes the many
    // joins of a spring twice as fast that way and at these widths the two look the same.
    QPen pen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::BevelJoin);
    if (style == LineStyle::Dashed) {
        pen.setDashPattern(dashPattern);
        pen.setCapStyle(Qt::FlatCap);
    }
    return pen;
}

QRectF deviceRect(const QRect& logical, qreal devicePixelRatio) {
    return QRectF(logical.x() * devicePixelRatio, logical.y() * devicePixelRatio,
                  logical.width() * devicePixelRatio, logical.height() * devicePixelRatio);
}

// A copy of `image` in which every pixel of exactly `key` is transparent.
QImage withKeyTransparent(const QImage& image, QRgb key) {
    QImage keyed = image.convertToFormat(QImage::Format_ARGB32);
    const QRgb opaqueKey = key | 0xFF000000u;
    for (int y = 0; y < keyed.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(keyed.scanLine(y));
        for (int x = 0; x < keyed.width(); ++x)
            if (row[x] == opaqueKey) row[x] = 0;
    }
    return keyed;
}

} // namespace

// The painter of one drawing operation: a new one on the image, or the lent one with its state
// kept for the operation after.
class Surface::OperationPainter {
public:
    explicit OperationPainter(Surface& s) : lent_(s.lent_) {
        if (lent_)
            lent_->save();
        else
            own_.emplace(&s.image_);
    }
    ~OperationPainter() {
        if (lent_) lent_->restore();
    }
    OperationPainter(const OperationPainter&) = delete;
    OperationPainter& operator=(const OperationPainter&) = delete;
    QPainter* operator->() { return lent_ ? lent_ : &*own_; }

private:
    QPainter* lent_;
    std::optional<QPainter> own_;
};

Surface::PaintingThrough::PaintingThrough(Surface& surface, QPainter& painter) : surface_(surface) {
    surface_.lent_ = &painter;
}

Surface::PaintingThrough::~PaintingThrough() {
    surface_.lent_ = nullptr;
}

Surface::Surface() : font_(panelFont()), metrics_(font_) {}

void Surface::setFont(const QFont& font) {
    font_ = font;
    metrics_ = image_.isNull() ? QFontMetricsF(font_) : QFontMetricsF(font_, &image_);
}

void Surface::resize(QSize logicalSize, qreal devicePixelRatio) {
    logicalSize = logicalSize.expandedTo(QSize(0, 0));
    if (!(devicePixelRatio > 0) || !std::isfinite(devicePixelRatio)) devicePixelRatio = 1;
    const bool sameSize = logicalSize == size_ && devicePixelRatio == devicePixelRatio_;
    if (sameSize && (!keepsPicture_ || !image_.isNull())) return;
    size_ = logicalSize;
    devicePixelRatio_ = devicePixelRatio;
    if (keepsPicture_) {
        QImage next = blankImage();
        if (!next.isNull() && !image_.isNull()) QPainter(&next).drawImage(QPointF(0, 0), image_);
        image_ = std::move(next);
    }
    setFont(font_);
    updateFrame();
    noteInk(background_);
    changed(QRectF(QPointF(0, 0), QSizeF(size_)));
}

QImage Surface::blankImage() const {
    QImage blank((QSizeF(size_) * devicePixelRatio_).toSize(), QImage::Format_RGB32);
    if (blank.isNull()) return blank;
    blank.setDevicePixelRatio(devicePixelRatio_);
    blank.fill(background_);
    return blank;
}

void Surface::setKeepsPicture(bool keeps) {
    if (keeps == keepsPicture_) return;
    keepsPicture_ = keeps;
    image_ = keeps ? blankImage() : QImage();
    inks_.clear();
    labels_.clear();
    reservedAreas_.clear();
    if (keeps) noteInk(background_);
    setFont(font_);
    updateFrame();
}

void Surface::setChangeHandler(std::function<void(const QRect&)> handler) {
    onChange_ = std::move(handler);
}

void Surface::scale(double x1, double y1, double x2, double y2) {
    userFrame_ = Corners{x1, y1, x2, y2};
    updateFrame();
}

void Surface::updateFrame() {
    if (userFrame_) {
        const auto [x1, y1, x2, y2] = *userFrame_;
        const double width = x2 - x1;
        const double height = y2 - y1;
        frame_.x1 = x1;
        frame_.y1 = y1;
        frame_.pixelsPerX = width != 0 ? size_.width() / width : notANumber;
        frame_.pixelsPerY = height != 0 ? size_.height() / height : notANumber;
    } else {
        frame_ = Frame{};
    }
    frameUsable_ = (!keepsPicture_ || !image_.isNull()) && std::isfinite(frame_.x1) &&
                   std::isfinite(frame_.y1) && std::isfinite(frame_.pixelsPerX) &&
                   std::isfinite(frame_.pixelsPerY) && frame_.pixelsPerX != 0 &&
                   frame_.pixelsPerY != 0;
}

bool Surface::hasFrame() const {
    return canDraw();
}

QPointF Surface::toPixel(QPointF user) const {
    if (!frameUsable_) return {notANumber, notANumber};
    return {(user.x() - frame_.x1) * frame_.pixelsPerX, (user.y() - frame_.y1) * frame_.pixelsPerY};
}

QPointF Surface::toUser(QPointF pixel) const {
    if (!frameUsable_) return {notANumber, notANumber};
    return {frame_.x1 + pixel.x() / frame_.pixelsPerX, frame_.y1 + pixel.y() / frame_.pixelsPerY};
}

QPointF Surface::pixelsPerUnit() const {
    if (!frameUsable_) return {notANumber, notANumber};
    return {frame_.pixelsPerX, frame_.pixelsPerY};
}

void Surface::setPenWidth(int pixels) {
    penWidth_ = pixels < 1 ? 1 : pixels;
}

QRectF Surface::drawableBox() const {
    const double margin = cutMargin + penWidth_;
    return QRectF(-margin, -margin, size_.width() + 2 * margin, size_.height() + 2 * margin);
}

void Surface::line(QPointF from, QPointF to, const QColor& colour) {
    current_ = from;
    lineTo(to, colour);
}

void Surface::lineTo(QPointF to, const QColor& colour) {
    polylineTo({&to, 1}, colour);
}

void Surface::polylineTo(std::span<const QPointF> points, const QColor& colour) {
    if (points.empty()) return;
    if (canDraw()) {
        QVarLengthArray<QPointF, 8> path;
        path.reserve(qsizetype(points.size() + 1));
        path.append(current_);
        for (QPointF p : points)
            path.append(p);
        strokePolyline({path.constData(), std::size_t(path.size())}, colour);
    }
    current_ = points.back();
}

// The drawable box in user coordinates.  Lines are cut there, before they are scaled, so that
// coordinates too large to scale into pixels still give their visible part.
QRectF Surface::userBox() const {
    const QRectF box = drawableBox();
    return QRectF(toUser(box.topLeft()), toUser(box.bottomRight())).normalized();
}

// Draws the user polyline cut to the drawable box: the pieces that stay connected after the cut
// go to the painter as one polyline each.
void Surface::strokePolyline(std::span<const QPointF> path, const QColor& colour) {
    const QRectF box = userBox();
    std::optional<OperationPainter> painter;
    QPolygonF piece;
    QRectF touched;
    const auto flush = [&] {
        if (piece.size() >= 2) {
            if (!painter) {
                painter.emplace(*this);
                (*painter)->setPen(penFor(colour, penWidth_, lineStyle_));
            }
            (*painter)->drawPolyline(piece);
            touched |= piece.boundingRect();
        }
        piece.clear();
    };
    for (std::size_t i = 1; i < path.size(); ++i) {
        const auto cut = clipSegment(path[i - 1], path[i], box);
        if (!cut) {
            flush();
            continue;
        }
        const QPointF from = toPixel(cut->first);
        if (piece.isEmpty() || piece.back() != from) {
            flush();
            piece << from;
        }
        piece << toPixel(cut->second);
    }
    flush();
    if (!painter) return;
    painter.reset();
    noteInk(colour);
    const double reach = penWidth_ / 2.0 + 1;
    changed(touched.adjusted(-reach, -reach, reach, reach));
}

void Surface::point(QPointF at) {
    current_ = at;
    const QPointF pixel = toPixel(at);
    if (!canDraw() || !drawableBox().contains(pixel)) return;
    OperationPainter painter(*this);
    painter->setPen(Qt::NoPen);
    painter->setBrush(foreground_);
    // A dot of width 1 is the pixel that holds the point; a wider one a disc about it.
    const QRectF dot = penWidth_ == 1 ? QRectF(std::floor(pixel.x()), std::floor(pixel.y()), 1, 1)
                                      : QRectF(pixel.x() - penWidth_ / 2.0,
                                               pixel.y() - penWidth_ / 2.0, penWidth_, penWidth_);
    if (penWidth_ == 1)
        painter->drawRect(dot);
    else
        painter->drawEllipse(dot);
    noteInk(foreground_);
    changed(dot.adjusted(-1, -1, 1, 1));
}

void Surface::circle(QPointF centre, double radius, const QColor& outline) {
    current_ = centre;
    const QPointF c = toPixel(centre);
    const double r = std::abs(radius * frame_.pixelsPerX);
    if (!canDraw() || !isFinite(c) || !std::isfinite(r) || r > largestCircleRadius) return;
    const QRectF box = drawableBox();
    if (c.x() + r < box.left() || c.x() - r > box.right() || c.y() + r < box.top() ||
        c.y() - r > box.bottom())
        return;
    {
        OperationPainter painter(*this);
        painter->setPen(penFor(outline, penWidth_, lineStyle_));
        if (fillStyle_ == FillStyle::Solid) painter->setBrush(fillColor_);
        painter->drawEllipse(c, r, r);
    }
    noteInk(outline);
    if (fillStyle_ == FillStyle::Solid) noteInk(fillColor_);
    const double reach = r + penWidth_ / 2.0 + 1;
    changed(QRectF(c, c).adjusted(-reach, -reach, reach, reach));
}

void Surface::print(const QString& text) {
    const QPointF anchor = toPixel(current_);
    current_ = toUser(QPointF(0, anchor.y() + metrics_.height()));
    drawTextAt(anchor, text);
}

void Surface::drawTextAt(QPointF anchor, const QString& text) {
    // Text runs right and down from its anchor: one beyond the right or bottom edge never shows.
    const QRectF reach(-textReach, -textReach, size_.width() + textReach,
                       size_.height() + textReach);
    if (!canDraw() || !reach.contains(anchor)) return;
    {
        OperationPainter painter(*this);
        painter->setFont(font_);
        painter->setPen(foreground_);
        painter->drawText(QPointF(anchor.x(), anchor.y() + metrics_.ascent()), text);
    }
    noteInk(foreground_);
    if (onChange_)
        changed(QRectF(anchor, QSizeF(metrics_.horizontalAdvance(text), metrics_.height()))
                    .adjusted(-1, -1, 1, 1));
}

QRectF Surface::textBox(const QString& text) const {
    return QRectF(toPixel(current_), QSizeF(metrics_.horizontalAdvance(text), metrics_.height()));
}

QRectF Surface::textBoxInside(const QString& text) const {
    QRectF box = textBox(text);
    if (!std::isfinite(box.x()) || !std::isfinite(box.y())) return box;
    const auto inside = [](double start, double length, double room) {
        if (length > room) return start;
        return std::clamp(start, 0.0, room - length);
    };
    box.moveTo(inside(box.x(), box.width(), size_.width()),
               inside(box.y(), box.height(), size_.height()));
    return box;
}

void Surface::reserveLabelArea(const QRectF& box) {
    reservedAreas_.push_back(box);
}

bool Surface::overlapsALabel(const QRectF& box) const {
    return std::any_of(labels_.begin(), labels_.end(),
                       [&](const Label& label) { return label.box.intersects(box); }) ||
           std::any_of(reservedAreas_.begin(), reservedAreas_.end(),
                       [&](const QRectF& area) { return area.intersects(box); });
}

bool Surface::isPrintedLabel(const QRectF& box, const QString& text) const {
    return std::any_of(labels_.begin(), labels_.end(),
                       [&](const Label& label) { return label.box == box && label.text == text; });
}

bool Surface::printLabel(const QString& text) {
    const QRectF box = textBox(text);
    const bool printed = isPrintedLabel(box, text);
    if (printed || overlapsALabel(box)) {
        current_ = toUser(QPointF(0, box.bottom()));
        return printed;
    }
    labels_.push_back({box, text});
    print(text);
    return true;
}

bool Surface::pointWithLabel(QPointF at, const QString& text) {
    current_ = at;
    const QRectF box = textBox(text);
    if (!isPrintedLabel(box, text) && overlapsALabel(box)) return false;
    point(at);
    return printLabel(text);
}

void Surface::printReservedLabel(const QString& text, const QRectF& box) {
    if (isPrintedLabel(box, text)) return;
    labels_.push_back({box, text});
    drawTextAt(box.topLeft(), text);
    current_ = toUser(QPointF(0, box.bottom()));
}

void Surface::clear() {
    current_ = QPointF(0, 0);
    inks_.clear();
    labels_.clear();
    reservedAreas_.clear();
    if (lent_) {
        OperationPainter(*this)->fillRect(QRectF(QPointF(0, 0), QSizeF(size_)), background_);
    } else {
        if (image_.isNull()) return;
        image_.fill(background_);
    }
    noteInk(background_);
    changed(QRectF(QPointF(0, 0), QSizeF(size_)));
}

void Surface::transparentCopyFrom(const Surface& source, const QRect& sourceRect,
                                  const QRect& targetRect, const QColor& key) {
    if (!(lent_ || !image_.isNull()) || source.image_.isNull() || sourceRect.isEmpty() ||
        targetRect.isEmpty())
        return;
    const QRectF from = deviceRect(sourceRect, source.image_.devicePixelRatio());
    {
        OperationPainter painter(*this);
        if (source.mayContain(key)) {
            painter->drawImage(QRectF(targetRect), withKeyTransparent(source.image_, key.rgb()),
                               from);
        } else {
            // Nothing of the key colour was ever drawn there: the plain copy is the same picture.
            painter->setCompositionMode(QPainter::CompositionMode_Source);
            painter->drawImage(QRectF(targetRect), source.image_, from);
        }
    }
    for (QRgb ink : source.inks_)
        noteInk(QColor::fromRgb(ink));
    changed(QRectF(targetRect));
}

bool Surface::mayContain(const QColor& colour) const {
    const auto near = [](int a, int b) { return std::abs(a - b) <= blendDistance; };
    for (QRgb ink : inks_)
        if (near(qRed(ink), colour.red()) && near(qGreen(ink), colour.green()) &&
            near(qBlue(ink), colour.blue()))
            return true;
    return false;
}

void Surface::noteInk(const QColor& colour) {
    const QRgb ink = colour.rgb();
    for (QRgb known : inks_)
        if (known == ink) return;
    inks_.push_back(ink);
}

void Surface::changed(const QRectF& logical) {
    if (!onChange_ || lent_) return;
    const QRect area = logical.toAlignedRect().intersected(QRect(QPoint(0, 0), size_));
    if (!area.isEmpty()) onChange_(area);
}

} // namespace trelvix::graphics
