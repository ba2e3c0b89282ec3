#include "probe.h"

#include "graphics/redraw.h"
#include "model/characteristics.h"

#include <QFontMetricsF>
#include <cmath>

namespace probe {

using namespace trelvix;
using namespace trelvix::graphics;

Panels::Panels() {
    picture1.resize({364, 496});
    picture2.setBackColor(QColor(240, 240, 240));
    picture2.resize({364, 496});
    for (Surface* graph : {&picture3, &picture4, &picture6})
        graph->resize({347, 161});
    form3.resize({250, 250});
}

Surfaces Panels::all() {
    return {picture1, picture2, picture3, picture4, picture6, form3};
}

PlotLayout Panels::layout() const {
    return layoutForPicture1(picture1.size());
}

Experiment initialState() {
    Experiment e = initialExperiment();
    parametr(e, ",");
    return e;
}

Redrawn::Redrawn(const Experiment& experiment) : e(experiment) {
    Surfaces surfaces = panels.all();
    redrawAll(e, frames, surfaces, panels.layout(), ",");
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

namespace {
bool isDark(QRgb c) {
    return qGray(c) < 110;
}
} // namespace

bool showsText(const Surface& panel, QPointF anchor, const QString& text, const QRect& ignore) {
    const QPointF at = panel.toPixel(anchor);
    Surface reference;
    reference.setFont(panel.font());
    reference.resize(panel.size());
    reference.setCurrentPosition(at);
    reference.print(text);

    const QFontMetricsF metrics(panel.font(), &panel.image());
    const QRect box = QRectF(at, QSizeF(metrics.horizontalAdvance(text), metrics.height()))
                          .toAlignedRect()
                          .intersected(panel.image().rect());
    int expected = 0, missing = 0, extra = 0;
    for (int y = box.top(); y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x) {
            if (ignore.contains(x, y)) continue;
            const bool want = isDark(reference.image().pixel(x, y));
            const bool have = isDark(panel.image().pixel(x, y));
            expected += want;
            missing += want && !have;
            extra += have && !want;
        }
    return expected > 0 && missing * 20 <= expected && extra * 20 <= expected;
}

} // namespace probe
