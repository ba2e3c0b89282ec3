#pragma once

// The experiment as one document: the inputs, the characteristics derived from them, the view
// settings, the runs kept for comparison, the record of the last run and the experiment file it
// came from.  Every change goes through the document, which says by a signal what changed; the
// windows and panels are views that draw from the document and follow its signals.

#include "model/experiment.h"
#include "model/run_record.h"
#include "model/stored_runs.h"

#include <QObject>
#include <QString>

namespace trelvix {

class ExperimentDocument : public QObject {
    Q_OBJECT
public:
    explicit ExperimentDocument(QObject* parent = nullptr);

    const Experiment& experiment() const { return experiment_; }
    const Inputs& inputs() const { return experiment_.inputs; }
    const Characteristics& characteristics() const { return experiment_.derived; }
    const ViewSettings& view() const { return experiment_.view; }
    const StoredRuns& storedRuns() const { return storedRuns_; }
    const RunRecord& lastRun() const { return lastRun_; }
    const QString& path() const { return path_; }

    // Stores one input as it is being edited; deriving waits for derive().
    void storeInput(Input input, double value);
    // The characteristics follow the inputs as they are now.
    void derive();
    // The initial experiment, with its view settings kept.
    void reset();

    void setView(const ViewSettings& view, ViewChange change);

    // A new last run with no samples yet; then its samples as the run makes them.
    void beginRun(const Inputs& in, const Characteristics& derived);
    void appendToRun(const RunState& state);
    // Keeps the last run for comparison (a copy: it stays the last run), or another record.
    void keepLastRun();
    void keepRun(RunRecord record);
    void forgetRuns();

    void setPath(const QString& path);

signals:
    void inputChanged(trelvix::Input input);
    void characteristicsChanged();
    void viewChanged(trelvix::ViewChange change);
    void storedRunsChanged();
    // A run began: the last run is new (and grows from now on without further signals).
    void lastRunChanged();
    void pathChanged(const QString& path);

private:
    Experiment experiment_;
    StoredRuns storedRuns_;
    RunRecord lastRun_;
    QString path_;
};

} // namespace trelvix
