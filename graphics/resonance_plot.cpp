#include "graphics/resonance_plot.h"

#include "graphics/column_reduction.h"
#include "graphics/grid_lines.h"
#include "graphics/plot_texts.h"
#include "graphics/style.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <numbers>

namespace trelvix::graphics {

namespace {

const QColor touchShade{255, 215, 215}; // where the ball would reach the suspension point
const QColor drivingMarkColour{0, 0, 255};
const QColor& resonanceMarkColour = crankColour;
const QColor& computedColour = traceColour;
const QColor& linearColour = axisColour;

// Room around the plotting area, in logical pixels: the value labels at the left, the frequency
// labels below.
constexpr double leftMargin = 62;
constexpr double rightMargin = 14;
constexpr double topMargin = 8;
constexpr double bottomMargin = 24;
// Grid lines at least this far apart, in logical pixels, across and down.
constexpr double gridSpacingAcross = 80;
constexpr double gridSpacingDown = 32;

struct Extent {
    double bottom = 0;
    double top = 1;
};

Extent valueExtent(const ResonanceCurve& c, ResonanceQuantity q) {
    if (q == ResonanceQuantity::Phase) return {0, std::numbers::pi};
    // Where the ball reaches the suspension point the set-up cannot have the computed motion
    // (without quadratic drag its amplitude runs to tens of metres at resonance): the axis goes
    // up to the lowest such amplitude, where the shaded band begins, and the curve leaves the
    // panel above it.  The linear theory never sets the height.
    double top = 0;
    double touching = std::numeric_limits<double>::infinity();
    for (const ResonancePoint& p : c.points) {
        if (!std::isfinite(p.amplitude)) continue;
        if (p.touches)
            touching = std::min(touching, p.amplitude);
        else
            top = std::max(top, p.amplitude);
    }
    if (std::isfinite(touching)) top = std::max(top, touching);
    if (!(top > 0) && std::isfinite(c.oscillator.Xm) && c.oscillator.Xm > 0)
        top = c.oscillator.Xm; // nothing computed yet: the drive's own amplitude gives a scale
    return {0, 1.08 * (top > 0 ? top : 1.0)};
}

// The plotting area fills the panel but for the margins; a panel too small for it gets no frame.
void setFrame(Surface& panel, const ResonanceCurve& c, const Extent& e) {
    const double width = panel.size().width() - leftMargin - rightMargin;
    const double height = panel.size().height() - topMargin - bottomMargin;
    if (width < 1 || height < 1) {
        panel.scale(0, 0, 0, 0);
        return;
    }
    const double perPixelX = (c.to - c.from) / width;
    const double perPixelY = (e.top - e.bottom) / height;
    panel.scale(c.from - leftMargin * perPixelX, e.top + topMargin * perPixelY,
                c.to + rightMargin * perPixelX, e.bottom - bottomMargin * perPixelY);
}

// 1, 2 or 5 times a power of ten, the smallest such step that divides `span` into at most
// `lines` parts.
double niceStep(double span, double lines) {
    const double raw = span / std::max(lines, 1.0);
    const double decade = std::pow(10, std::floor(std::log10(raw)));
    for (double factor : {1.0, 2.0, 5.0})
        if (factor * decade >= raw) return factor * decade;
    return 10 * decade;
}

// `x` with as many decimals as the grid step needs, locale-free, with the caller's separator.
QString gridNumber(double x, double step, std::string_view separator) {
    const int decimals = std::clamp(int(-std::floor(std::log10(step))), 0, 9);
    char buffer[64];
    const auto end =
        std::to_chars(buffer, buffer + sizeof buffer, x + 0.0, std::chars_format::fixed, decimals);
    std::string text(buffer, end.ptr);
    if (const auto point = text.find('.'); point != std::string::npos)
        text.replace(point, 1, separator);
    return QString::fromStdString(text);
}

// A label with its top-left corner `offset` logical pixels from the point `at`.
void labelNear(Surface& panel, QPointF at, QPointF offset, const QString& text) {
    panel.setCurrentPosition(panel.toUser(panel.toPixel(at) + offset));
    panel.printLabel(text);
}

double pixelWidth(const Surface& panel) {
    return panel.size().width() - leftMargin - rightMargin;
}

void frequencyGrid(const ResonanceCurve& c, const Extent& e, Surface& panel,
                   std::string_view separator) {
    const double step = niceStep(c.to - c.from, pixelWidth(panel) / gridSpacingAcross);
    forEachGridLine(c.from / step, c.to / step, step * panel.pixelsPerUnit().x(), [&](double i) {
        const double nu = i * step;
        panel.line({nu, e.bottom}, {nu, e.top}, gridColour);
        const QString text = gridNumber(nu, step, separator);
        labelNear(panel, {nu, e.bottom}, {-panel.textBox(text).width() / 2, 4}, text);
    });
}

void valueGrid(const ResonanceCurve& c, const Extent& e, Surface& panel,
               std::string_view separator) {
    const double height = panel.size().height() - topMargin - bottomMargin;
    const double step = niceStep(e.top - e.bottom, height / gridSpacingDown);
    forEachGridLine(e.bottom / step, e.top / step, step * panel.pixelsPerUnit().y(), [&](double i) {
        const double y = i * step;
        panel.line({c.from, y}, {c.to, y}, gridColour);
        const QString text = gridNumber(y, step, separator);
        const QRectF box = panel.textBox(text);
        labelNear(panel, {c.from, y}, {-box.width() - 6, -box.height() / 2}, text);
    });
}

// The frequencies where the steady state touches: from halfway to the previous point to halfway
// to the next, filled column by column.
void touchBands(const ResonanceCurve& c, const Extent& e, Surface& panel) {
    const std::vector<ResonancePoint>& p = c.points;
    double shaded = -1; // the last column filled: dense points share their columns
    for (std::size_t i = 0; i < p.size(); ++i) {
        if (!p[i].touches) continue;
        const double from = i == 0 ? p[i].nu : (p[i - 1].nu + p[i].nu) / 2;
        const double to = i + 1 == p.size() ? p[i].nu : (p[i].nu + p[i + 1].nu) / 2;
        const double first = std::max({std::floor(panel.toPixel({from, 0}).x()), 0.0, shaded + 1});
        const double last =
            std::min(std::ceil(panel.toPixel({to, 0}).x()), double(panel.size().width()));
        panel.setPenWidth(2); // neighbouring columns overlap: no stripes between them
        for (double column = first; column <= last; ++column) {
            const double nu = panel.toUser({column + 0.5, 0}).x();
            panel.line({nu, e.bottom}, {nu, e.top}, touchShade);
            shaded = column;
        }
        panel.setPenWidth(1);
    }
}

// The name of a mark beside the top of its line: on its right, else on its left, a line lower
// at a time until it stands inside the panel clear of every label already there (the name of
// the other mark close by, the legend, the axis names), so that both names stay readable
// however close the two frequencies come.
void markName(Surface& panel, const Extent& e, double nu, const QString& text) {
    const QRectF inside(QPointF(0, 0), QSizeF(panel.size()));
    const QPointF top = panel.toPixel({nu, e.top});
    const double bottom = panel.toPixel({nu, e.bottom}).y();
    const QSizeF size = panel.textBox(text).size();
    for (double y = top.y(); y + size.height() <= bottom; y += 1.2 * size.height())
        for (const double x : {top.x() + 3, top.x() - size.width() - 3}) {
            panel.setCurrentPosition(panel.toUser({x, y}));
            if (inside.contains(panel.textBox(text)) && panel.printLabel(text)) return;
        }
}

// A vertical line at `nu` with its name.
void frequencyMark(const Extent& e, double nu, const QColor& colour, const char* name,
                   const ResonanceCurve& c, Surface& panel) {
    if (!(nu >= c.from && nu <= c.to)) return;
    panel.line({nu, e.bottom}, {nu, e.top}, colour);
    panel.setForeground(colour);
    markName(panel, e, nu, QString::fromUtf8(name));
    panel.setForeground(axisColour);
}

// Draws `path` as polylines broken wherever a value is not finite, each reduced per pixel column.
void brokenPolyline(Surface& panel, const std::vector<QPointF>& path, const QColor& colour) {
    std::vector<QPointF> piece;
    ColumnReduction reduction(panel, piece);
    std::size_t added = 0;
    const auto flush = [&] {
        reduction.finish();
        if (added >= 2) {
            panel.setCurrentPosition(piece.front());
            panel.polylineTo({piece.data() + 1, piece.size() - 1}, colour);
        }
        piece.clear();
        added = 0;
    };
    for (QPointF p : path) {
        if (!std::isfinite(p.y())) {
            flush();
            continue;
        }
        reduction.add(p);
        ++added;
    }
    flush();
}

double valueOf(const ResonancePoint& p, ResonanceQuantity q) {
    return q == ResonanceQuantity::Amplitude ? p.amplitude : p.phase;
}

// The linear theory at the frequency of every pixel column.
void linearCurve(const ResonanceCurve& c, ResonanceQuantity q, Surface& panel) {
    std::vector<QPointF> path;
    const double first = std::floor(panel.toPixel({c.from, 0}).x());
    const double last = std::ceil(panel.toPixel({c.to, 0}).x());
    for (double column = first; column <= last; ++column) {
        const double nu = std::clamp(panel.toUser({column, 0}).x(), c.from, c.to);
        path.emplace_back(nu, q == ResonanceQuantity::Amplitude ? linearAmplitude(c.oscillator, nu)
                                                                : linearPhase(c.oscillator, nu));
    }
    panel.setPenWidth(1);
    panel.setLineStyle(LineStyle::Dashed);
    brokenPolyline(panel, path, linearColour);
    panel.setLineStyle(LineStyle::Solid);
}

// The computed points as they show on the panel: within one pixel column only the first, the
// lowest, the highest and the last finite value can be told apart, so a curve of any number of
// points draws as at most four per column (a non-finite value keeps its break).
std::vector<QPointF> shownPoints(const ResonanceCurve& c, ResonanceQuantity q,
                                 const Surface& panel) {
    std::vector<QPointF> shown;
    std::vector<QPointF> column;
    double columnIndex = std::numeric_limits<double>::quiet_NaN();
    const auto flush = [&] {
        if (column.size() > 4) {
            const auto [low, high] = std::minmax_element(
                column.begin(), column.end(), [](QPointF a, QPointF b) { return a.y() < b.y(); });
            const auto [first, last] = std::minmax(low, high, [](auto a, auto b) { return a < b; });
            column = {column.front(), *first, *last, column.back()};
        }
        shown.insert(shown.end(), column.begin(), column.end());
        column.clear();
    };
    for (const ResonancePoint& p : c.points) {
        const QPointF point(p.nu, valueOf(p, q));
        const double index = std::floor(panel.toPixel(point).x());
        if (index != columnIndex || !std::isfinite(point.y())) flush();
        columnIndex = index;
        (std::isfinite(point.y()) ? column : shown).push_back(point);
    }
    flush();
    return shown;
}

// The computed points joined, with a small cross under every pixel column where a point's motion
// overflowed.
void computedCurve(const ResonanceCurve& c, ResonanceQuantity q, const Extent& e, Surface& panel) {
    const std::vector<QPointF> path = shownPoints(c, q, panel);
    panel.setPenWidth(1);
    double crossedColumn = std::numeric_limits<double>::quiet_NaN();
    for (QPointF p : path) {
        const QPointF at = panel.toPixel({p.x(), e.bottom}) + QPointF(0, -6);
        if (std::isfinite(p.y()) || std::floor(at.x()) == crossedColumn) continue;
        crossedColumn = std::floor(at.x());
        for (QPointF arm : {QPointF(4, 4), QPointF(4, -4)})
            panel.line(panel.toUser(at - arm), panel.toUser(at + arm), computedColour);
    }
    panel.setPenWidth(2);
    brokenPolyline(panel, path, computedColour);
    panel.setPenWidth(1);
}

// The box `text` covers with its top-left corner at the logical pixel `at`.
QRectF boxAt(Surface& panel, QPointF at, const QString& text) {
    panel.setCurrentPosition(panel.toUser(at));
    return panel.textBox(text);
}

// The axis names: the value's at the top of the value axis, the frequency's above the right end
// of the frequency axis.
struct AxisNames {
    QString value, frequency;
    QRectF valueBox, frequencyBox;
};

AxisNames axisNames(const ResonanceCurve& c, const Extent& e, ResonanceQuantity q, Surface& panel) {
    AxisNames n;
    n.value = q == ResonanceQuantity::Amplitude ? amplitudeAxisName() : phaseAxisName();
    n.frequency = frequencyAxisName();
    n.valueBox = boxAt(panel, panel.toPixel({c.from, e.top}) + QPointF(6, 0), n.value);
    const QSizeF size = boxAt(panel, {0, 0}, n.frequency).size();
    n.frequencyBox =
        boxAt(panel, panel.toPixel({c.to, e.bottom}) - QPointF(size.width(), size.height() + 2),
              n.frequency);
    return n;
}

// A short stroke of each curve's line with its name, at the top right of the amplitude plot; the
// place is kept free of grid labels from the start.
class Legend {
public:
    Legend(const ResonanceCurve& c, const Extent& e, Surface& panel)
        : names_{computedCurveName(), linearCurveName()} {
        const QPointF corner = panel.toPixel({c.to, e.top});
        const double width =
            std::max(panel.textBox(names_[0]).width(), panel.textBox(names_[1]).width());
        // A pixel between the rows: the boxes of two texts set exactly a line apart touch.
        lineHeight_ =
            1 + std::max(panel.textBox(names_[0]).height(), panel.textBox(names_[1]).height());
        textLeft_ = corner.x() - width - 6;
        top_ = corner.y() + 4;
        left_ = textLeft_ - 36;
        right_ = textLeft_ + width + 4;
        panel.reserveLabelArea(QRectF(left_, top_, right_ - left_, 2 * lineHeight_));
    }

    // On a patch of the background, pixel row by pixel row: the curves of a sweep in progress
    // (whose height is not known yet) and the linear theory running off the top pass behind it.
    void draw(Surface& panel) const {
        for (double y = std::floor(top_); y < top_ + 2 * lineHeight_; ++y)
            panel.line(panel.toUser({left_, y + 0.5}), panel.toUser({right_, y + 0.5}),
                       panel.background());
        for (int row = 0; row < 2; ++row) {
            const double top = top_ + row * lineHeight_;
            const double middle = top + lineHeight_ / 2;
            panel.setPenWidth(row == 0 ? 2 : 1);
            panel.setLineStyle(row == 0 ? LineStyle::Solid : LineStyle::Dashed);
            panel.line(panel.toUser({textLeft_ - 32, middle}),
                       panel.toUser({textLeft_ - 4, middle}),
                       row == 0 ? computedColour : linearColour);
            panel.printReservedLabel(names_[row], boxAt(panel, {textLeft_, top}, names_[row]));
        }
        panel.setPenWidth(1);
        panel.setLineStyle(LineStyle::Solid);
    }

private:
    QString names_[2];
    double lineHeight_ = 0;
    double textLeft_ = 0;
    double top_ = 0;
    double left_ = 0, right_ = 0; // the patch the legend stands on, logical pixels
};

void axes(const ResonanceCurve& c, const Extent& e, Surface& panel) {
    panel.setPenWidth(2);
    panel.line({c.from, e.bottom}, {c.to, e.bottom}, axisColour);
    panel.line({c.from, e.bottom}, {c.from, e.top}, axisColour);
    panel.setPenWidth(1);
}

} // namespace

void drawResonancePlot(const ResonanceCurve& c, ResonanceQuantity q, Surface& panel,
                       std::string_view decimalSeparator) {
    const Extent e = valueExtent(c, q);
    setFrame(panel, c, e);
    if (!panel.hasFrame() || !(c.to > c.from)) return;
    panel.setFont(panelFont());
    panel.setForeground(axisColour);
    panel.setPenWidth(1);
    touchBands(c, e, panel);
    const AxisNames names = axisNames(c, e, q, panel);
    panel.reserveLabelArea(names.valueBox);
    panel.reserveLabelArea(names.frequencyBox);
    const std::optional<Legend> legend = q == ResonanceQuantity::Amplitude
                                             ? std::optional<Legend>(std::in_place, c, e, panel)
                                             : std::nullopt; // the same lines below: one legend
    frequencyGrid(c, e, panel, decimalSeparator);
    valueGrid(c, e, panel, decimalSeparator);
    linearCurve(c, q, panel);
    computedCurve(c, q, e, panel);
    frequencyMark(e, c.nu_r, resonanceMarkColour, resonanceMarkName, c, panel);
    frequencyMark(e, c.nu, drivingMarkColour, drivingMarkName, c, panel);
    axes(c, e, panel);
    panel.printReservedLabel(names.value, names.valueBox);
    panel.printReservedLabel(names.frequency, names.frequencyBox);
    if (legend) legend->draw(panel);
}

std::optional<ResonancePoint> curveAt(const ResonanceCurve& c, double nu) {
    const std::vector<ResonancePoint>& p = c.points;
    if (p.empty() || !(nu >= p.front().nu && nu <= p.back().nu)) return std::nullopt;
    const auto above = std::lower_bound(p.begin(), p.end(), nu,
                                        [](const ResonancePoint& a, double x) { return a.nu < x; });
    const ResonancePoint& right = *above;
    const ResonancePoint& left = above == p.begin() ? right : *(above - 1);
    const double share = right.nu > left.nu ? (nu - left.nu) / (right.nu - left.nu) : 0;
    ResonancePoint at = share < 0.5 ? left : right;
    at.nu = nu;
    at.amplitude = left.amplitude + share * (right.amplitude - left.amplitude);
    at.phase = left.phase + share * (right.phase - left.phase);
    return at;
}

} // namespace trelvix::graphics
