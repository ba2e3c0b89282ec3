#include "platform/tone_samples.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace trelvix {

namespace {

// Half of full scale: loud enough to be heard, far from clipping.
constexpr double amplitude = 16384;
// Rise and fall time; a few periods of 880 Hz, short enough not to change the tone's length.
constexpr double fadeSeconds = 0.005;

// The longest tone played: the program asks for 0.6 s at most; a minute keeps any mistaken call
// from filling the memory with samples.
constexpr double longestToneMs = 60'000;

// Raised-cosine envelope: 0 at both ends of the tone, 1 in between, smooth at every joint.
double envelope(double t, double length) {
    const double edge = std::min({t, length - t, fadeSeconds});
    if (edge >= fadeSeconds) return 1;
    return 0.5 - 0.5 * std::cos(std::numbers::pi * std::max(edge, 0.0) / fadeSeconds);
}

} // namespace

int toneDurationMs(double n) {
    const double ms = std::round(12 * n);
    return ms > 0 ? static_cast<int>(std::min(ms, longestToneMs)) : 0;
}

std::vector<std::int16_t> toneSamples(double frequencyHz, int durationMs, int sampleRate) {
    const auto count =
        static_cast<std::size_t>(std::max(0LL, 1LL * durationMs * sampleRate / 1000));
    const double length = static_cast<double>(count) / sampleRate;
    std::vector<std::int16_t> samples(count);
    for (std::size_t i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / sampleRate;
        const double value =
            amplitude * envelope(t, length) * std::sin(2 * std::numbers::pi * frequencyHz * t);
        samples[i] = static_cast<std::int16_t>(std::lround(value));
    }
    return samples;
}

} // namespace trelvix
