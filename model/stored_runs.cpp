#include "model/stored_runs.h"

#include <utility>

namespace trelvix {

void StoredRuns::keep(RunRecord record) {
    if (record.empty()) return;
    if (runs_.size() == capacity) runs_.erase(runs_.begin());
    runs_.push_back(std::move(record));
}

} // namespace trelvix
