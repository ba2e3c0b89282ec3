#pragma once

// «Измерения»: what the record of the last run shows, each quantity beside its predictions, each
// saying what it is, with the difference in per cent from the one that holds, or a dash with the
// reason it cannot be measured.

#include "model/run_measurements.h"

#include <QWidget>

class QLabel;
class QTableWidget;

namespace trelvix {

class MeasurementsWindow : public QWidget {
    Q_OBJECT
public:
    MeasurementsWindow();

    // Measures `record` and shows the result; numbers use `decimalSeparator`.
    void show(const RunRecord& record, const QString& decimalSeparator);

    QTableWidget* table() const { return table_; }

private:
    void fitTable();

    QTableWidget* table_;
    QLabel* note_;
};

} // namespace trelvix
