#pragma once

// The samples of a tone, computed apart from any audio device so they can be checked.

#include <cstdint>
#include <vector>

namespace trelvix {

inline constexpr double zvukFrequencyHz = 880;
inline constexpr int toneSampleRate = 44100;

// Length of the tone zvuk(n): 12·n milliseconds to the nearest millisecond; nothing for n ≤ 0.
int zvukDurationMs(double n);

// Mono 16-bit samples of a sine of `frequencyHz` lasting `durationMs` at `sampleRate`.  The
// first and last few milliseconds rise from and fall to silence: a sine cut off abruptly clicks.
std::vector<std::int16_t> toneSamples(double frequencyHz, int durationMs, int sampleRate);

} // namespace trelvix
