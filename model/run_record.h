#pragma once

// What a run leaves behind: the inputs and characteristics it ran with and its samples, one per
// step, in memory.  Everything drawn or measured about a run after the fact reads this record
// rather than the pixels of the panels.
//
// The record is bounded: once it holds `capacity` samples, every second one is dropped and from
// then on only every second step is kept, and so on, so a run of any length keeps between half
// the capacity and the capacity of evenly spaced samples.  `stride()` says how many steps one
// kept sample stands for.
//
// For drawing, the record also notes where the extremes of each block of consecutive samples lie,
// in blocks of 32, 1024 and 32768 samples: a graph of a million samples on a panel a few thousand
// pixels wide needs only the extremes of the blocks that fall inside one pixel column, not their
// samples.

#include "model/characteristics.h"
#include "model/inputs.h"
#include "model/motion.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace trelvix {

struct RunSample {
    double t = 0;  // model time, s
    double X = 0;  // coordinate of the ball centre, m
    double Vx = 0; // velocity, m/s
    float W = 0;   // mechanical energy, J
    // Crank pin offset from the wheel centre, m (single precision: it only places a drawing).
    float crankX = 0;
    float crankY = 0;
};

enum class SampleQuantity : std::uint8_t { X, Vx, W };

double valueOf(const RunSample& sample, SampleQuantity quantity);

// Where the lowest and the highest value of X, Vx and W (indexed by SampleQuantity) lie in one
// block: which of its parts holds it (a sample in the smallest blocks, a block of the level below
// in the others), the earliest of equal values.  A block holding a value that is not a number has
// finite = false and no extremes worth the name.
struct SampleBlock {
    std::array<std::uint8_t, 3> lowest{};
    std::array<std::uint8_t, 3> highest{};
    bool finite = true;
};

class RunRecord {
public:
    static constexpr std::size_t blockParts = 32;
    static constexpr std::size_t blockLevels = 3;
    // Samples in a block of `level`: 32 on level 0, 32 times as many on each level above.
    static constexpr std::size_t blockLength(std::size_t level) {
        return level == 0 ? blockParts : blockParts * blockLength(level - 1);
    }

    // About a million steps: a default run has ~1400, the longest sensible ones a few hundred
    // thousand.
    static constexpr std::size_t defaultCapacity = std::size_t{1} << 20;

    RunRecord() = default;
    RunRecord(const Inputs& in, const Characteristics& derived,
              std::size_t capacity = defaultCapacity);

    // Adds the state after a step; kept when the step falls on the stride.
    void append(const RunState& state);

    const Inputs& inputs() const { return inputs_; }
    const Characteristics& derived() const { return derived_; }
    const std::vector<RunSample>& samples() const { return samples_; }
    bool empty() const { return samples_.empty(); }
    // How many steps one kept sample stands for: 1 until the record first overflowed.
    long long stride() const { return stride_; }
    bool thinned() const { return stride_ > 1; }
    // The number of the step after which sample `i` was kept, the first step being 1.
    long long stepOf(std::size_t i) const { return static_cast<long long>(i) * stride_ + 1; }
    long long stepCount() const { return steps_; }
    // One for each whole block of `level` from the first sample; the samples after the last whole
    // block have none yet.
    const std::vector<SampleBlock>& blocks(std::size_t level) const { return blocks_[level]; }
    // The sample holding the lowest (or highest) value of `quantity` in block `index` of `level`.
    std::size_t extremeSample(std::size_t level, std::size_t index, SampleQuantity quantity,
                              bool highest) const;

private:
    void thinOut();
    void summariseBlock(std::size_t level, std::size_t index);

    Inputs inputs_{};
    Characteristics derived_{};
    std::size_t capacity_ = defaultCapacity;
    std::vector<RunSample> samples_;
    std::array<std::vector<SampleBlock>, blockLevels> blocks_;
    long long stride_ = 1;
    long long steps_ = 0;
};

} // namespace trelvix
