#include "model/run_record.h"

#include <cmath>

namespace trelvix {

double valueOf(const RunSample& sample, SampleQuantity quantity) {
    switch (quantity) {
    case SampleQuantity::X:
        return sample.X;
    case SampleQuantity::Vx:
        return sample.Vx;
    case SampleQuantity::W:
        return sample.W;
    }
    return sample.X;
}

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
    if (samples_.size() % blockLength == 0) summariseBlock(samples_.size() - blockLength);
}

void RunRecord::summariseBlock(std::size_t start) {
    SampleBlock block;
    for (std::size_t q = 0; q < block.lowest.size(); ++q) {
        const auto value = [&](std::size_t offset) {
            return valueOf(samples_[start + offset], SampleQuantity(q));
        };
        for (std::size_t i = 0; i < blockLength; ++i) {
            const double v = value(i);
            if (!std::isfinite(v)) block.finite = false;
            if (v < value(block.lowest[q])) block.lowest[q] = std::uint8_t(i);
            if (v > value(block.highest[q])) block.highest[q] = std::uint8_t(i);
        }
    }
    blocks_.push_back(block);
}

// Keeps the samples of the even positions (steps 0, 2·stride, 4·stride, …) and doubles the stride.
void RunRecord::thinOut() {
    std::size_t kept = 0;
    for (std::size_t i = 0; i < samples_.size(); i += 2)
        samples_[kept++] = samples_[i];
    samples_.resize(kept);
    stride_ *= 2;
    blocks_.clear();
    for (std::size_t start = 0; start + blockLength <= samples_.size(); start += blockLength)
        summariseBlock(start);
}

} // namespace trelvix
