#include "shell/research/measurements_window.h"

#include "shell/research/measurement_rows.h"

#include <QEvent>
#include <QHeaderView>
#include <QLabel>
#include <QScreen>
#include <QTableWidget>
#include <QVBoxLayout>
#include <cmath>

namespace trelvix {

namespace {

// Pixels; five columns of it fit a screen 800 pixels wide.
constexpr int widestColumn = 150;

} // namespace

MeasurementsWindow::MeasurementsWindow()
    : table_(new QTableWidget(0, int(measurementColumns().size()), this)), note_(new QLabel(this)) {
    setObjectName(QStringLiteral("FormMeasurements"));
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_QuitOnClose, false); // the program ends with its main window
    table_->setObjectName(QStringLiteral("MeasurementsTable"));
    table_->verticalHeader()->hide();
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    note_->setWordWrap(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(note_);
    layout->addWidget(table_);
    retranslate();
}

void MeasurementsWindow::show(const RunRecord& record, const QString& separator) {
    record_ = &record;
    separator_ = separator;
    showMeasurements();
    QWidget::show();
    raise();
}

void MeasurementsWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) retranslate();
    QWidget::changeEvent(event);
}

void MeasurementsWindow::retranslate() {
    setWindowTitle(tr("Измерения"));
    table_->setAccessibleName(tr("измерения последнего прогона и их предсказания"));
    table_->setHorizontalHeaderLabels(measurementColumns());
    if (record_) showMeasurements();
}

void MeasurementsWindow::showMeasurements() {
    const RunRecord& record = *record_;
    const std::vector<QStringList> rows = measurementRows(record, separator_);
    table_->setRowCount(int(rows.size()));
    for (int row = 0; row < int(rows.size()); ++row)
        for (int column = 0; column < int(rows[row].size()); ++column)
            table_->setItem(row, column, new QTableWidgetItem(rows[row][column]));
    table_->resizeColumnsToContents();
    // The reasons and the names of the predictions wrap rather than widen the window.
    for (int column = 0; column < table_->columnCount(); ++column)
        table_->setColumnWidth(column, std::min(table_->columnWidth(column), widestColumn));
    table_->resizeRowsToContents();
    if (record.empty())
        note_->setText(tr("Прогона ещё не было: измерять нечего."));
    else
        note_->setText(
            tr("Последний прогон: %1 шагов, t до %2 с.%3")
                .arg(record.stepCount())
                .arg(measurementNumber(record.samples().back().t, separator_))
                .arg(record.thinned()
                         ? tr(" Запись прорежена: хранится каждый %1-й шаг.").arg(record.stride())
                         : QString()));
    fitTable();
}

// Wide enough for every column, as far as the screen allows.
void MeasurementsWindow::fitTable() {
    const QSize room = screen() ? screen()->availableGeometry().size() : QSize();
    QSize wanted = sizeHint();
    if (room.isValid()) wanted = wanted.boundedTo(room);
    resize(wanted.expandedTo(size()));
}

} // namespace trelvix
