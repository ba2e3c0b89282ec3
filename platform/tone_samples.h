#pragma once

// The samples of a tone, computed apart from any audio device so they can be checked.

#include <cstdint>
#include <vector>

namespace trelvix {

inline constexpr double toneFrequencyHz = 880;
inline constexpr int toneSampleRate = 44100;

// Length of the tone sound(units): 12·units milliseconds to the nearest millisecond; nothing for
// units ≤ 0.
int toneDurationMs(double units);

// Mono 16-bit samples of a sine of `frequencyHz` lasting `durationMs` at `sampleRate`.  The
// first and last few milliseconds rise from and fall to silence: a sine cut off abruptly clicks.
std::vector<std::int16_t> toneSamples(double frequencyHz, int durationMs, int sampleRate);

} // namespace trelvix
