#include "probe.h"

#include "graphics/redraw.h"

#include <QFontMetricsF>
#include <cmath>

namespace probe {

using namespace trelvix;
using namespace trelvix::graphics;

Panels::Panels() {
    plane.resize({364, 496});
    scene.setBackColor(QColor(240, 240, 240));
    scene.resize({364, 496});
    for (Surface* graph : {&displacement, &velocity, &energy})
        graph->resize({347, 161});
    magnifier.resize({250, 250});
}

Surfaces Panels::all() {
    return {plane, scene, displacement, velocity, energy, magnifier};
}

PlotLayout Panels::layout() const {
    return layoutForPlane(plane.size());
}

Redrawn::Redrawn(const Experiment& experiment) : e(experiment) {
    Surfaces surfaces = panels.all();
    frames = redrawAll(e, surfaces, panels.layout(), ",");
}

QPoint pixelOf(const Surface& s, QPointF user) {
    const QPointF p = s.toPixel(user);
    return QPoint(int(std::floor(p.x())), int(std::floor(p.y())));
}

QColor colourAt(const Surface& s, QPointF user) {
    const QPoint p = pixelOf(s, user);
    if (!s.image().rect().contains(p)) return {};
    return s.image().pixelColor(p);
}

int count(const Surface& s, const QRect& area, const QColor& colour) {
    const QRect cut = area.intersected(s.image().rect());
    const QRgb wanted = colour.rgb();
    int n = 0;
    for (int y = cut.top(); y <= cut.bottom(); ++y)
        for (int x = cut.left(); x <= cut.right(); ++x)
            n += s.image().pixel(x, y) == wanted;
    return n;
}

bool contains(const Surface& s, const QRect& area, const QColor& colour) {
    return count(s, area, colour) > 0;
}

int inked(const Surface& s, const QRect& area) {
    const QRect cut = area.intersected(s.image().rect());
    return cut.width() * cut.height() - count(s, cut, s.backColor());
}

QList<int> columnsOf(const Surface& s, const QColor& colour, int minimum) {
    QList<int> columns;
    for (int x = 0; x < s.image().width(); ++x)
        if (count(s, QRect(x, 0, 1, s.image().height()), colour) >= minimum) columns << x;
    return columns;
}

QList<int> rowsOf(const Surface& s, const QColor& colour, int minimum) {
    QList<int> rows;
    for (int y = 0; y < s.image().height(); ++y)
        if (count(s, QRect(0, y, s.image().width(), 1), colour) >= minimum) rows << y;
    return rows;
}

bool sameLines(const QList<int>& found, const QList<int>& expected) {
    if (found.size() != expected.size()) return false;
    for (qsizetype k = 0; k < found.size(); ++k)
        if (std::abs(found[k] - expected[k]) > 1) return false;
    return true;
}

namespace {
// How much ink a grey pixel holds: none for the white background, 255 for black.
int ink(QRgb c) {
    return 255 - qGray(c);
}
// Text is drawn in black and blends into grey over a white panel; where it crosses a grid line
// or a red line the blend is coloured, and the painter's gamma makes it differ from the blend
// over white.  Such pixels are left out of the comparison.
bool isGrey(QRgb c) {
    return std::abs(qRed(c) - qGreen(c)) < 8 && std::abs(qGreen(c) - qBlue(c)) < 8;
}
// The smallest rectangle holding every pixel that differs from the background.
QRect inkBox(const Surface& s) {
    QRect box;
    for (int y = 0; y < s.image().height(); ++y)
        for (int x = 0; x < s.image().width(); ++x)
            if (s.image().pixel(x, y) != s.backColor().rgb()) box |= QRect(x, y, 1, 1);
    return box;
}

} // namespace

double textMismatch(const Surface& panel, QPointF anchor, const QString& text,
                    const QRect& ignore) {
    const QPointF at = panel.toPixel(anchor);
    Surface reference;
    reference.setFont(panel.font());
    reference.resize(panel.size());
    reference.setCurrentPosition(at);
    reference.print(text);

    // Where the text puts ink, and one character further right, where a longer text would.
    const QRect box = inkBox(reference)
                          .adjusted(-1, -1, int(QFontMetricsF(panel.font()).averageCharWidth()), 0)
                          .intersected(panel.image().rect());
    // The dot that places the label lies at its anchor.
    const QRect anchorDot(pixelOf(panel, anchor), QSize(1, 1));
    double compared = 0, covered = 0, difference = 0;
    for (int y = box.top(); y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x) {
            if (ignore.contains(x, y) || anchorDot.contains(x, y)) continue;
            const int want = ink(reference.image().pixel(x, y));
            const QRgb have = panel.image().pixel(x, y);
            if (!isGrey(have)) {
                covered += want;
                continue;
            }
            compared += want;
            difference += std::abs(want - ink(have));
        }
    // A label mostly hidden under lines cannot be read.
    if (compared == 0 || covered > compared / 3) return 1;
    return difference / compared;
}

bool showsText(const Surface& panel, QPointF anchor, const QString& text, const QRect& ignore) {
    return textMismatch(panel, anchor, text, ignore) < 0.005;
}

} // namespace probe
