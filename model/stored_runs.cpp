#include "model/stored_runs.h"

namespace trelvix {

void StoredRuns::keep(const RunRecord& record) {
    if (record.empty()) return;
    if (runs_.size() == capacity) runs_.erase(runs_.begin());
    runs_.push_back(record);
}

} // namespace trelvix
