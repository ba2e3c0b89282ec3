#include "model/run_record.h"

namespace trelvix {

RunRecord::RunRecord(const Inputs& in, const Characteristics& derived, std::size_t capacity)
    : inputs_(in), derived_(derived), capacity_(capacity < 2 ? 2 : capacity) {}

void RunRecord::append(const RunState& state) {
    const long long step = steps_++;
    if (step % stride_ != 0) return;
    if (samples_.size() == capacity_) {
        thinOut();
        if (step % stride_ != 0) return;
    }
    samples_.push_back({state.t, state.X, state.Vx, state.W, static_cast<float>(state.crankX),
                        static_cast<float>(state.crankY)});
}

// Keeps the samples of the even positions (steps 0, 2·stride, 4·stride, …) and doubles the stride.
void RunRecord::thinOut() {
    std::size_t kept = 0;
    for (std::size_t i = 0; i < samples_.size(); i += 2)
        samples_[kept++] = samples_[i];
    samples_.resize(kept);
    stride_ *= 2;
}

} // namespace trelvix
