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
    std::size_t whole = samples_.size();
    for (std::size_t level = 0; level < blockLevels && whole % blockParts == 0; ++level) {
        whole /= blockParts;
        summariseBlock(level, whole - 1);
    }
}

std::size_t RunRecord::extremeSample(std::size_t level, std::size_t index, SampleQuantity quantity,
                                     bool highest) const {
    for (;;) {
        const SampleBlock& block = blocks_[level][index];
        const auto& parts = highest ? block.highest : block.lowest;
        const std::size_t part = index * blockParts + parts[std::size_t(quantity)];
        if (level == 0) return part;
        --level;
        index = part;
    }
}

// Appends block `index` of `level`, whose parts (samples or blocks of the level below) are there.
void RunRecord::summariseBlock(std::size_t level, std::size_t index) {
    SampleBlock block;
    const std::size_t first = index * blockParts;
    for (std::size_t q = 0; q < block.lowest.size(); ++q) {
        const auto quantity = SampleQuantity(q);
        const auto value = [&](std::size_t part, bool highest) {
            const std::size_t sample =
                level == 0 ? first + part
                           : extremeSample(level - 1, first + part, quantity, highest);
            return valueOf(samples_[sample], quantity);
        };
        for (std::size_t p = 0; p < blockParts; ++p) {
            if (level == 0 && !std::isfinite(value(p, false))) block.finite = false;
            if (value(p, false) < value(block.lowest[q], false)) block.lowest[q] = std::uint8_t(p);
            if (value(p, true) > value(block.highest[q], true)) block.highest[q] = std::uint8_t(p);
        }
    }
    for (std::size_t p = 0; level > 0 && p < blockParts; ++p)
        block.finite = block.finite && blocks_[level - 1][first + p].finite;
    blocks_[level].push_back(block);
}

// Keeps the samples of the even positions (steps 0, 2·stride, 4·stride, …) and doubles the stride.
void RunRecord::thinOut() {
    std::size_t kept = 0;
    for (std::size_t i = 0; i < samples_.size(); i += 2)
        samples_[kept++] = samples_[i];
    samples_.resize(kept);
    stride_ *= 2;
    for (std::size_t level = 0; level < blockLevels; ++level) {
        blocks_[level].clear();
        const std::size_t parts = level == 0 ? samples_.size() : blocks_[level - 1].size();
        for (std::size_t index = 0; index < parts / blockParts; ++index)
            summariseBlock(level, index);
    }
}

} // namespace trelvix
