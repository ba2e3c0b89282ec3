#include "shell/research/measurement_rows.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>

namespace trelvix {

namespace {

// The texts of the table, translated in its own context.
struct MeasurementTexts {
    Q_DECLARE_TR_FUNCTIONS(trelvix::MeasurementRows)
public:
    static QStringList columns();
    static QString quantityName(int quantity);
    static QString sourceName(PredictionSource source);
    static QString inapplicable(const QString& source, const QString& why);
};

QStringList MeasurementTexts::columns() {
    return {tr("Величина"), tr("Измерено"), tr("Предсказано"), tr("Чем предсказано"),
            tr("Расхождение, %")};
}

// In the units of the main window, in the order of the table's rows.
QString MeasurementTexts::quantityName(int quantity) {
    static const char* const names[] = {
        QT_TR_NOOP("Период T, c"), QT_TR_NOOP("Логарифмический декремент Θ"),
        QT_TR_NOOP("Коэффициент затухания δ, рад/c"), QT_TR_NOOP("Амплитуда A, м"),
        QT_TR_NOOP("Отставание по фазе φ, рад")};
    return tr(names[quantity]);
}

QString MeasurementTexts::sourceName(PredictionSource source) {
    switch (source) {
    case PredictionSource::Characteristics:
        return tr("характеристики");
    case PredictionSource::LinearTheory:
        return tr("линейная теория");
    case PredictionSource::SteadyState:
        return tr("расчёт установившегося режима");
    case PredictionSource::AmplitudeDecay:
        return tr("затухание при измеренных амплитудах");
    }
    return {};
}

QString MeasurementTexts::inapplicable(const QString& source, const QString& why) {
    return tr("%1: не применимо, %2").arg(source, why);
}

constexpr int significantDigits = 5;

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
    const QString source = MeasurementTexts::sourceName(p.source);
    if (p.inapplicable.empty()) return source;
    return MeasurementTexts::inapplicable(source, QString::fromStdString(p.inapplicable));
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

QStringList measurementColumns() {
    return MeasurementTexts::columns();
}

std::vector<QStringList> measurementRows(const RunRecord& record, const QString& separator) {
    const RunMeasurements m = measureRun(record);
    const Measurement* quantities[] = {&m.period, &m.logDecrement, &m.delta, &m.amplitude,
                                       &m.phaseLag};
    std::vector<QStringList> rows;
    for (int q = 0; q < int(std::size(quantities)); ++q)
        addRows(rows, MeasurementTexts::quantityName(q), *quantities[q], separator);
    return rows;
}

} // namespace trelvix
