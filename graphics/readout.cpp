#include "graphics/readout.h"

#include <QCoreApplication>
#include <algorithm>

namespace trelvix::graphics {

namespace {

// The readout's texts are translated with the plots' own.
struct ReadoutTexts {
    Q_DECLARE_TR_FUNCTIONS(trelvix::PlotTexts)
};

QString number(double x, const QString& separator) {
    return QString::number(x, 'g', 5).replace(QLatin1Char('.'), separator);
}

// The sample nearest in time to t, or none when t lies outside the recorded run by more than
// one sample spacing.
const RunSample* nearestSample(const RunRecord& record, double t) {
    const std::vector<RunSample>& s = record.samples();
    if (s.size() < 2) return nullptr;
    const double spacing = s[1].t - s[0].t;
    if (t < s.front().t - spacing || t > s.back().t + spacing) return nullptr;
    const auto after = std::lower_bound(s.begin(), s.end(), t,
                                        [](const RunSample& p, double time) { return p.t < time; });
    if (after == s.begin()) return &*after;
    if (after == s.end()) return &s.back();
    const auto before = after - 1;
    return t - before->t < after->t - t ? &*before : &*after;
}

QString valueLine(TimeGraph graph, const RunRecord& record, const RunSample& p,
                  const QString& separator) {
    switch (graph) {
    case TimeGraph::Displacement:
        return ReadoutTexts::tr("X − Xg = %1 м").arg(number(p.X - record.derived().Xg, separator));
    case TimeGraph::Velocity:
        return ReadoutTexts::tr("Vx = %1 м/с").arg(number(p.Vx, separator));
    case TimeGraph::Energy:
        return ReadoutTexts::tr("W = %1 Дж").arg(number(p.W, separator));
    }
    return {};
}

} // namespace

QString timeGraphReadout(TimeGraph graph, const Surface& panel, const RunRecord& record,
                         QPointF pixel, const QString& separator) {
    if (!panel.hasFrame()) return {};
    const double t = panel.toUser(pixel).x();
    const RunSample* p = nearestSample(record, t);
    if (!p) return ReadoutTexts::tr("t = %1 с").arg(number(t, separator));
    return ReadoutTexts::tr("t = %1 с\n%2")
        .arg(number(p->t, separator), valueLine(graph, record, *p, separator));
}

QString planeReadout(const Surface& plane, QPointF pixel, const QString& separator) {
    if (!plane.hasFrame()) return {};
    const QPointF at = plane.toUser(pixel);
    return ReadoutTexts::tr("Y = %1 м\nX = %2 м")
        .arg(number(at.x(), separator), number(at.y(), separator));
}

} // namespace trelvix::graphics
