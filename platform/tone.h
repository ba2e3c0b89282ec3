#pragma once

// The program's acoustic signal: a short tone before every refusal and warning, a longer one at
// the end of every run.

namespace trelvix {

class Tone {
public:
    virtual ~Tone() = default;

    // Starts a tone of 880 Hz lasting 12·n milliseconds (n = 25: 300 ms, n = 50: 600 ms) and
    // returns at once; the tone plays on while the caller goes on (usually to show a message).
    virtual void zvuk(double n) = 0;
};

} // namespace trelvix
