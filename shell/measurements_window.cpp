#include "shell/measurements_window.h"

#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

namespace trelvix {

namespace {

const QString measurementsTitle = QStringLiteral("Измерения");
const QStringList columnTitles = {QStringLiteral("Величина"), QStringLiteral("Измерено"),
                                  QStringLiteral("Предсказано"), QStringLiteral("Расхождение, %")};
const QStringList quantityNames = {
    QStringLiteral("Период T, с"), QStringLiteral("Логарифмический декремент Θ"),
    QStringLiteral("Коэффициент затухания δ, 1/с"), QStringLiteral("Амплитуда A, м"),
    QStringLiteral("Отставание по фазе φ, рад")};

// Five significant digits with the desktop's decimal separator.
QString number(double x, const QString& separator) {
    return QString::number(x, 'g', 5).replace(QLatin1Char('.'), separator);
}

QString measuredText(const Measurement& m, const QString& separator) {
    if (!m.value) return QStringLiteral("— (%1)").arg(QString::fromStdString(m.reason));
    QString text = number(*m.value, separator);
    if (m.readings > 1 && m.spread > 0) text += QStringLiteral(" ± ") + number(m.spread, separator);
    if (m.readings > 0) text += QStringLiteral("  (n = %1)").arg(m.readings);
    return text;
}

QString percentText(const Measurement& m, const QString& separator) {
    const std::optional<double> percent = m.differencePercent();
    if (!percent) return QStringLiteral("—");
    return (*percent > 0 ? QStringLiteral("+") : QString()) +
           QString::number(*percent, 'f', 2).replace(QLatin1Char('.'), separator);
}

} // namespace

MeasurementsWindow::MeasurementsWindow()
    : table_(new QTableWidget(int(quantityNames.size()), int(columnTitles.size()), this)),
      note_(new QLabel(this)) {
    setObjectName(QStringLiteral("FormMeasurements"));
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_QuitOnClose, false); // the program ends with its main window
    setWindowTitle(measurementsTitle);
    table_->setObjectName(QStringLiteral("MeasurementsTable"));
    table_->setHorizontalHeaderLabels(columnTitles);
    table_->verticalHeader()->hide();
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    note_->setWordWrap(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(note_);
    layout->addWidget(table_);
    resize(760, 260);
}

void MeasurementsWindow::show(const RunRecord& record, const QString& separator) {
    const RunMeasurements m = measureRun(record);
    const Measurement* rows[] = {&m.period, &m.logDecrement, &m.delta, &m.amplitude, &m.phaseLag};
    for (int row = 0; row < int(std::size(rows)); ++row)
        fillRow(row, *rows[row], separator);
    table_->resizeColumnsToContents();
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
    QWidget::show();
    raise();
}

void MeasurementsWindow::fillRow(int row, const Measurement& m, const QString& separator) {
    const QString cells[] = {quantityNames[row], measuredText(m, separator),
                             m.hasPrediction ? number(m.predicted, separator) : QStringLiteral("—"),
                             percentText(m, separator)};
    for (int column = 0; column < int(std::size(cells)); ++column)
        table_->setItem(row, column, new QTableWidgetItem(cells[column]));
}

} // namespace trelvix
