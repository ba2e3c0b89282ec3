#include "shell/research/measurement_rows.h"

#include <algorithm>
#include <cmath>

namespace trelvix {

namespace {

const QStringList columns = {QStringLiteral("Величина"), QStringLiteral("Измерено"),
                             QStringLiteral("Предсказано"), QStringLiteral("Чем предсказано"),
                             QStringLiteral("Расхождение, %")};
// In the units of the main window.
const QStringList quantityNames = {
    QStringLiteral("Период T, c"), QStringLiteral("Логарифмический декремент Θ"),
    QStringLiteral("Коэффициент затухания δ, рад/c"), QStringLiteral("Амплитуда A, м"),
    QStringLiteral("Отставание по фазе φ, рад")};
constexpr int significantDigits = 5;

QString sourceName(PredictionSource source) {
    switch (source) {
    case PredictionSource::Characteristics:
        return QStringLiteral("характеристики");
    case PredictionSource::LinearTheory:
        return QStringLiteral("линейная теория");
    case PredictionSource::SteadyState:
        return QStringLiteral("расчёт установившегося режима");
    case PredictionSource::AmplitudeDecay:
        return QStringLiteral("затухание при измеренных амплитудах");
    }
    return {};
}

QString measuredText(const Measurement& m, const QString& separator) {
    if (!m.value) return QStringLiteral("— (%1)").arg(QString::fromStdString(m.reason));
    QString text = measurementNumber(*m.value, separator);
    if (m.readings > 1 && m.spread > 0)
        text += QStringLiteral(" ± ") + measurementNumber(m.spread, separator);
    if (m.readings > 0) text += QStringLiteral("  (n = %1)").arg(m.readings);
    return text;
}

// Four significant digits, without an exponent: a sign, then up to three decimals.
QString percentText(const Measurement& m, const QString& separator) {
    const std::optional<double> percent = m.differencePercent();
    if (!percent) return QStringLiteral("—");
    const double magnitude = std::abs(*percent);
    const int decimals =
        magnitude >= 1 ? std::max(0, 3 - int(std::floor(std::log10(magnitude)))) : 3;
    return (*percent > 0 ? QStringLiteral("+") : QString()) +
           QString::number(*percent, 'f', decimals).replace(QLatin1Char('.'), separator);
}

QString predictionSourceText(const Prediction& p) {
    if (p.inapplicable.empty()) return sourceName(p.source);
    return QStringLiteral("%1: не применимо, %2")
        .arg(sourceName(p.source), QString::fromStdString(p.inapplicable));
}

// One row per prediction (at least one), the quantity and its measured value on the first.
void addRows(std::vector<QStringList>& rows, const QString& quantity, const Measurement& m,
             const QString& separator) {
    for (std::size_t i = 0; i < std::max<std::size_t>(m.predictions.size(), 1); ++i) {
        const bool top = i == 0;
        const Prediction* p = m.predictions.empty() ? nullptr : &m.predictions[i];
        rows.push_back(
            {top ? quantity : QString(), top ? measuredText(m, separator) : QString(),
             p ? measurementNumber(p->value, separator) : QStringLiteral("—"),
             p ? predictionSourceText(*p) : QString(),
             // The difference stands beside the prediction it is taken of.
             p && p == m.applicable() ? percentText(m, separator) : QStringLiteral("—")});
    }
}

} // namespace

QString measurementNumber(double x, const QString& separator) {
    return QString::number(x, 'g', significantDigits).replace(QLatin1Char('.'), separator);
}

const QStringList& measurementColumns() {
    return columns;
}

std::vector<QStringList> measurementRows(const RunRecord& record, const QString& separator) {
    const RunMeasurements m = measureRun(record);
    const Measurement* quantities[] = {&m.period, &m.logDecrement, &m.delta, &m.amplitude,
                                       &m.phaseLag};
    std::vector<QStringList> rows;
    for (int q = 0; q < int(std::size(quantities)); ++q)
        addRows(rows, quantityNames[q], *quantities[q], separator);
    return rows;
}

} // namespace trelvix
