#pragma once

// What the operating system counts for this process.

#include <string>

namespace trelvix::bench {

// Processor time (user and system, all threads) used by the process so far, in seconds.
double cpuSeconds();

// The largest resident memory the process has had so far, in megabytes (2^20 bytes).
double peakMemoryMegabytes();

// The load averages of the machine over 1, 5 and 15 minutes, as "4.97 5.06 3.94".
std::string loadAverages();

} // namespace trelvix::bench
