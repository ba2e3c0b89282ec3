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

    // Measures `record` and shows the result; numbers use `decimalSeparator`.  The record must
    // outlive the window or the next call: a change of language measures it anew.
    void show(const RunRecord& record, const QString& decimalSeparator);

    QTableWidget* table() const { return table_; }

protected:
    void changeEvent(QEvent* event) override;

private:
    // Every text in the current language, the table and the note measured anew.
    void retranslate();
    void showMeasurements();
    void fitTable();

    QTableWidget* table_;
    QLabel* note_;
    const RunRecord* record_ = nullptr;
    QString separator_ = QStringLiteral(".");
};

} // namespace trelvix
