#include "process_usage.h"

#include <cstdio>
#include <cstdlib>
#include <sys/resource.h>

namespace trelvix::bench {

namespace {

rusage selfUsage() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage;
}

double seconds(const timeval& time) {
    return static_cast<double>(time.tv_sec) + static_cast<double>(time.tv_usec) * 1e-6;
}

} // namespace

double cpuSeconds() {
    const rusage usage = selfUsage();
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

double peakMemoryMegabytes() {
    return static_cast<double>(selfUsage().ru_maxrss) / 1024.0; // Linux counts kilobytes
}

std::string loadAverages() {
    double load[3] = {};
    if (getloadavg(load, 3) != 3) return "unknown";
    char text[64];
    std::snprintf(text, sizeof text, "%.2f %.2f %.2f", load[0], load[1], load[2]);
    return text;
}

} // namespace trelvix::bench
