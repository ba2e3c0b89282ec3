#include "shell/document/experiment_document.h"

namespace trelvix {

ExperimentDocument::ExperimentDocument(QObject* parent) : QObject(parent) {}

void ExperimentDocument::storeInput(Input input, double value) {
    experiment_.inputs.setValue(input, value);
    emit inputChanged(input);
}

void ExperimentDocument::derive() {
    experiment_.derive();
    emit characteristicsChanged();
}

void ExperimentDocument::reset() {
    const ViewSettings view = experiment_.view;
    experiment_ = Experiment{};
    experiment_.view = view;
    emit characteristicsChanged();
}

void ExperimentDocument::setView(const ViewSettings& view, ViewChange change) {
    experiment_.view = view;
    emit viewChanged(change);
}

void ExperimentDocument::beginRun(const Inputs& in, const Characteristics& derived) {
    lastRun_ = RunRecord(in, derived);
    emit lastRunChanged();
}

void ExperimentDocument::appendToRun(const RunState& state) {
    lastRun_.append(state);
}

void ExperimentDocument::keepLastRun() {
    keepRun(lastRun_);
}

void ExperimentDocument::keepRun(RunRecord record) {
    storedRuns_.keep(std::move(record));
    emit storedRunsChanged();
}

void ExperimentDocument::forgetRuns() {
    storedRuns_.clear();
    emit storedRunsChanged();
}

void ExperimentDocument::setPath(const QString& path) {
    path_ = path;
    emit pathChanged(path);
}

} // namespace trelvix
