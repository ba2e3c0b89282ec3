#include "graphics/time_graphs.h"

#include "graphics/grid_lines.h"
#include "graphics/plot_texts.h"
#include "graphics/quotient_or_nan.h"
#include "graphics/style.h"
#include "model/number_text.h"

#include <cmath>

namespace trelvix::graphics {

namespace {

// How the three graphs differ; each leaves the pen 3 pixels wide at the trace's start.
struct TimeGraph {
    double top = 0;
    double bottom = 0;
    double zoom = 1;
    double gridStep = 0;       // value step between grid lines at zoom 1
    double firstValueLine = 0; // numbers of the value grid lines
    double lastValueLine = 0;
    double periodLabelY = 0; // height of the period counts and of the time axis name
    QString valueName;
    double traceStart = 0;
};

QString periodLabel(double i) {
    return QString::fromStdString(formatNumber(2 * i, " 0")) + periodSuffix();
}

// A line at every period, and every second one counted in periods under the time axis; as the
// panel narrows, only every fourth, eighth … line is counted, so the counts stay apart.
void periodGrid(const TimeGraph& g, const TimeFrames& f, Surface& panel) {
    const double period = f.periodOnGrid;
    const double pixelsPerPeriod = period * panel.pixelsPerUnit().x();
    const QString widest = periodLabel(std::floor(f.periods) + 1);
    const long long stride = labelStride(2 * pixelsPerPeriod, panel.textBox(widest).width());
    forEachGridLine(1, f.periods + 1, pixelsPerPeriod, [&](double i) {
        panel.line({i * period, g.bottom}, {i * period, g.top}, gridColour);
        if (carriesLabel(i, stride))
            panel.pointWithLabel({2 * period * i, g.periodLabelY}, periodLabel(i));
    });
}

// A line at every grid step with its value; as the panel gets short, only every second, fourth …
// line is labelled.
void valueGrid(const TimeGraph& g, double T, Surface& panel, std::string_view decimalSeparator) {
    const double step = quotientOrNaN(g.gridStep, g.zoom);
    const double pixelsPerLine = step * panel.pixelsPerUnit().y();
    const long long stride =
        labelStride(pixelsPerLine, panel.textBox(QStringLiteral("0")).height());
    forEachGridLine(g.firstValueLine, g.lastValueLine, pixelsPerLine, [&](double i) {
        const double y = quotientOrNaN(i * g.gridStep, g.zoom);
        panel.line({0, y}, {T, y}, gridColour);
        if (carriesLabel(i, stride))
            panel.pointWithLabel(
                {0.01 * T, y}, QString::fromStdString(formatNumber(y, "#0.000", decimalSeparator)));
    });
}

// Pixels kept free of grid labels beside an axis name, so that a number never reads as a part of
// it ("20To" against "t,c").
constexpr double nameClearance = 4;

// The place of an axis name, moved inside the panel if it would be cut; kept free of labels.
QRectF reserveAxisName(Surface& panel, QPointF at, const QString& name) {
    panel.setCurrentPosition(at);
    const QRectF box = panel.textBoxInside(name);
    panel.reserveLabelArea(box.adjusted(-nameClearance, 0, nameClearance, 0));
    return box;
}

void drawTimeGraph(const TimeGraph& g, const Experiment& e, const TimeFrames& f, Surface& panel,
                   std::string_view decimalSeparator) {
    const double T = e.inputs.T;
    const QString timeName = timeAxisName();
    const QString& valueName = g.valueName;
    const QRectF timeNameBox = reserveAxisName(panel, {0.98 * T, g.periodLabelY}, timeName);
    const QRectF valueNameBox = reserveAxisName(panel, {0.1 * T, 0.98 * g.top}, valueName);
    panel.setPenWidth(1);
    periodGrid(g, f, panel);
    panel.printReservedLabel(timeName, timeNameBox);
    valueGrid(g, T, panel, decimalSeparator);
    panel.printReservedLabel(valueName, valueNameBox);
    panel.setPenWidth(3);
    panel.line({0, g.top}, {0, g.bottom}, axisColour);
    panel.line({0, 0}, {T, 0}, axisColour);
    panel.point({0, g.traceStart});
}

// A graph symmetric about zero: half-height H, value lines −n/2 − 1 … n/2 + 1.
TimeGraph symmetricGraph(double H, double zoom, double gridStep, double gridDivisions) {
    TimeGraph g;
    g.top = H;
    g.bottom = -H;
    g.zoom = zoom;
    g.gridStep = gridStep;
    g.lastValueLine = std::floor(gridDivisions / 2) + 1;
    g.firstValueLine = -g.lastValueLine;
    g.periodLabelY = -0.03 * H;
    return g;
}

} // namespace

void drawDisplacementGraph(const Experiment& e, const TimeFrames& f, Surface& panel,
                           std::string_view decimalSeparator) {
    TimeGraph g = symmetricGraph(f.displacementHalfHeight, e.view.displacementZoom,
                                 f.displacementGridStep, e.view.gridDivisions);
    g.valueName = displacementAxisName();
    g.traceStart = e.inputs.X0 - e.derived.Xg;
    drawTimeGraph(g, e, f, panel, decimalSeparator);
}

void drawVelocityGraph(const Experiment& e, const TimeFrames& f, Surface& panel,
                       std::string_view decimalSeparator) {
    TimeGraph g = symmetricGraph(f.velocityHalfHeight, e.view.velocityZoom, f.velocityGridStep,
                                 e.view.gridDivisions);
    g.valueName = velocityAxisName();
    g.traceStart = e.inputs.V0x;
    drawTimeGraph(g, e, f, panel, decimalSeparator);
}

void drawEnergyGraph(const Experiment& e, const TimeFrames& f, Surface& panel,
                     std::string_view decimalSeparator) {
    // The energy never goes below zero, so the panel runs from 0 at the bottom up to W_max.
    TimeGraph g;
    g.top = f.energyTop;
    g.bottom = f.energyBottom;
    g.zoom = e.view.energyZoom;
    g.gridStep = f.energyGridStep;
    g.firstValueLine = 0;
    g.lastValueLine = std::round(e.view.gridDivisions); // a whole number of divisions
    g.periodLabelY = 0.09 * f.energyTop;
    g.valueName = energyAxisName();
    g.traceStart = f.W_max;
    drawTimeGraph(g, e, f, panel, decimalSeparator);
}

} // namespace trelvix::graphics
