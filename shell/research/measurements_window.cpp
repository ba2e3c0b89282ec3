#include "shell/research/measurements_window.h"

#include "shell/research/measurement_rows.h"

#include <QHeaderView>
#include <QLabel>
#include <QScreen>
#include <QTableWidget>
#include <QVBoxLayout>
#include <cmath>

namespace trelvix {

namespace {

const QString measurementsTitle = QStringLiteral("Измерения");
// Pixels; five columns of it fit a screen 800 pixels wide.
constexpr int widestColumn = 150;

} // namespace

MeasurementsWindow::MeasurementsWindow()
    : table_(new QTableWidget(0, int(measurementColumns().size()), this)), note_(new QLabel(this)) {
    setObjectName(QStringLiteral("FormMeasurements"));
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_QuitOnClose, false); // the program ends with its main window
    setWindowTitle(measurementsTitle);
    table_->setObjectName(QStringLiteral("MeasurementsTable"));
    table_->setAccessibleName(QStringLiteral("измерения последнего прогона и их предсказания"));
    table_->setHorizontalHeaderLabels(measurementColumns());
    table_->verticalHeader()->hide();
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    note_->setWordWrap(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(note_);
    layout->addWidget(table_);
}

void MeasurementsWindow::show(const RunRecord& record, const QString& separator) {
    const std::vector<QStringList> rows = measurementRows(record, separator);
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
        note_->setText(QStringLiteral("Прогона ещё не было: измерять нечего."));
    else
        note_->setText(QStringLiteral("Последний прогон: %1 шагов, t до %2 с.%3")
                           .arg(record.stepCount())
                           .arg(measurementNumber(record.samples().back().t, separator))
                           .arg(record.thinned()
                                    ? QStringLiteral(" Запись прорежена: хранится каждый "
                                                     "%1-й шаг.")
                                          .arg(record.stride())
                                    : QString()));
    fitTable();
    QWidget::show();
    raise();
}

// Wide enough for every column, as far as the screen allows.
void MeasurementsWindow::fitTable() {
    const QSize room = screen() ? screen()->availableGeometry().size() : QSize();
    QSize wanted = sizeHint();
    if (room.isValid()) wanted = wanted.boundedTo(room);
    resize(wanted.expandedTo(size()));
}

} // namespace trelvix
