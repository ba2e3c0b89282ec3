#pragma once

// The program's acoustic signal: a short tone before every refusal and warning, a longer one at
// the end of every run.

namespace trelvix {

// The program's two tones, in units of 12 ms.
inline constexpr double messageToneUnits = 25;  // 300 ms, before every refusal and warning
inline constexpr double endOfRunToneUnits = 50; // 600 ms, at the end of every run

class Tone {
public:
    virtual ~Tone() = default;

    // Starts a tone of 880 Hz lasting 12·units milliseconds (25: 300 ms, 50: 600 ms) and
    // returns at once; the tone plays on while the caller goes on (usually to show a message).
    virtual void sound(double units) = 0;
};

} // namespace trelvix
