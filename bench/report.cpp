#include "report.h"

#include <algorithm>
#include <cstdio>

namespace trelvix::bench {

namespace {

// Enough digits to read a figure at a glance: 182 ms, 5.31 ms, 0.412 ms.
int decimalsFor(double value) {
    if (value >= 100) return 0;
    if (value >= 10) return 1;
    if (value >= 1) return 2;
    return 3;
}

} // namespace

std::string number(double value, std::optional<int> decimals) {
    char text[32];
    std::snprintf(text, sizeof text, "%.*f", decimals.value_or(decimalsFor(value)), value);
    return text;
}

void print(const Figure& f) {
    const std::string value = number(f.value, f.decimals) + " " + f.unit;
    const std::string target =
        f.limit ? "<= " + number(*f.limit, f.decimals) + " " + f.unit : "none";
    const char* verdict = !f.limit ? "" : f.value <= *f.limit ? "met" : "MISSED";
    std::printf("%-46s %12s   target %-10s %-6s %s\n", f.what.c_str(), value.c_str(),
                target.c_str(), verdict, f.note.c_str());
    std::fflush(stdout);
}

void printNote(const std::string& text) {
    std::printf("# %s\n", text.c_str());
    std::fflush(stdout);
}

double median(std::vector<double> values) {
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    if (values.size() % 2 == 1) return values[middle];
    return (values[middle - 1] + values[middle]) / 2;
}

} // namespace trelvix::bench
