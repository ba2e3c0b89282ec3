#pragma once

// The runs a student keeps to compare with later ones: at most five, the oldest dropped first.

#include "model/run_record.h"

#include <vector>

namespace trelvix {

class StoredRuns {
public:
    static constexpr std::size_t capacity = 5;

    // Keeps `record` as the newest; an empty record is not kept.
    void keep(RunRecord record);
    void clear() { runs_.clear(); }

    // Oldest first.
    const std::vector<RunRecord>& runs() const { return runs_; }

private:
    std::vector<RunRecord> runs_;
};

} // namespace trelvix
