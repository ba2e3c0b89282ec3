#pragma once

// How the timing program prints what it measured: one line per figure, with its target.

#include <optional>
#include <string>
#include <vector>

namespace trelvix::bench {

struct Figure {
    std::string what;
    double value;
    std::string unit;
    std::optional<double> limit;                // the figure meets its target when value <= limit
    std::string note = {};                      // how it was measured, printed after the verdict
    std::optional<int> decimals = std::nullopt; // by default as many as the size calls for
};

void print(const Figure& figure);

// A line of context that is not a figure (the machine's load, the mode of the run).
void printNote(const std::string& text);

// A number with the decimals given, or by default as many as its size calls for: 182, 5.31,
// 0.412.
std::string number(double value, std::optional<int> decimals = std::nullopt);

// The middle value (the mean of the two middle ones for an even count); 0 for no values.
double median(std::vector<double> values);

} // namespace trelvix::bench
