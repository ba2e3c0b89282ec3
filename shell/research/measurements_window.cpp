#include "shell/research/measurements_window.h"

#include <QHeaderView>
#include <QLabel>
#include <QScreen>
#include <QTableWidget>
#include <QVBoxLayout>
#include <cmath>

namespace trelvix {

namespace {

const QString measurementsTitle = QStringLiteral("Измерения");
const QStringList columnTitles = {QStringLiteral("Величина"), QStringLiteral("Измерено"),
                                  QStringLiteral("Предсказано"), QStringLiteral("Чем предсказано"),
                                  QStringLiteral("Расхождение, %")};
// In the units of the main window.
const QStringList quantityNames = {
    QStringLiteral("Период T, c"), QStringLiteral("Логарифмический декремент Θ"),
    QStringLiteral("Коэффициент затухания δ, рад/c"), QStringLiteral("Амплитуда A, м"),
    QStringLiteral("Отставание по фазе φ, рад")};
constexpr int significantDigits = 5;
// Pixels; five columns of it fit a screen 800 pixels wide.
constexpr int widestColumn = 150;

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

QString number(double x, const QString& separator) {
    return QString::number(x, 'g', significantDigits).replace(QLatin1Char('.'), separator);
}

QString measuredText(const Measurement& m, const QString& separator) {
    if (!m.value) return QStringLiteral("— (%1)").arg(QString::fromStdString(m.reason));
    QString text = number(*m.value, separator);
    if (m.readings > 1 && m.spread > 0) text += QStringLiteral(" ± ") + number(m.spread, separator);
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

} // namespace

MeasurementsWindow::MeasurementsWindow()
    : table_(new QTableWidget(0, int(columnTitles.size()), this)), note_(new QLabel(this)) {
    setObjectName(QStringLiteral("FormMeasurements"));
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_QuitOnClose, false); // the program ends with its main window
    setWindowTitle(measurementsTitle);
    table_->setObjectName(QStringLiteral("MeasurementsTable"));
    table_->setAccessibleName(QStringLiteral("измерения последнего прогона и их предсказания"));
    table_->setHorizontalHeaderLabels(columnTitles);
    table_->verticalHeader()->hide();
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    note_->setWordWrap(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(note_);
    layout->addWidget(table_);
}

void MeasurementsWindow::show(const RunRecord& record, const QString& separator) {
    const RunMeasurements m = measureRun(record);
    const Measurement* quantities[] = {&m.period, &m.logDecrement, &m.delta, &m.amplitude,
                                       &m.phaseLag};
    table_->setRowCount(0);
    for (int q = 0; q < int(std::size(quantities)); ++q)
        addRows(quantityNames[q], *quantities[q], separator);
    table_->resizeColumnsToContents();
    // The reasons and the names of the predictions wrap rather than widen the window.
    for (int column = 0; column < table_->columnCount(); ++column)
        table_->setColumnWidth(column, std::min(table_->columnWidth(column), widestColumn));
    table_->resizeRowsToContents();
    if (record.empty())
        note_->setText(QStringLiteral("Прогона ещё не было: измерять нечего."));
    else
        note_->setText(QStringLiteral("Последний прогон: %1 шагов, t до %2 с.%3")
                           .arg(record.stepCount())
                           .arg(number(record.samples().back().t, separator))
                           .arg(record.thinned()
                                    ? QStringLiteral(" Запись прорежена: хранится каждый "
                                                     "%1-й шаг.")
                                          .arg(record.stride())
                                    : QString()));
    fitTable();
    QWidget::show();
    raise();
}

// One row per prediction (at least one), the quantity and its measured value on the first.
void MeasurementsWindow::addRows(const QString& quantity, const Measurement& m,
                                 const QString& separator) {
    const int first = table_->rowCount();
    const auto add = [&](int column, const QString& text) {
        table_->setItem(table_->rowCount() - 1, column, new QTableWidgetItem(text));
    };
    for (std::size_t i = 0; i < std::max<std::size_t>(m.predictions.size(), 1); ++i) {
        table_->insertRow(table_->rowCount());
        const bool top = table_->rowCount() - 1 == first;
        add(0, top ? quantity : QString());
        add(1, top ? measuredText(m, separator) : QString());
        const Prediction* p = m.predictions.empty() ? nullptr : &m.predictions[i];
        add(2, p ? number(p->value, separator) : QStringLiteral("—"));
        add(3, p ? predictionSourceText(*p) : QString());
        // The difference stands beside the prediction it is taken of.
        add(4, p && p == m.applicable() ? percentText(m, separator) : QStringLiteral("—"));
    }
}

// Wide enough for every column, as far as the screen allows.
void MeasurementsWindow::fitTable() {
    const QSize room = screen() ? screen()->availableGeometry().size() : QSize();
    QSize wanted = sizeHint();
    if (room.isValid()) wanted = wanted.boundedTo(room);
    resize(wanted.expandedTo(size()));
}

} // namespace trelvix
