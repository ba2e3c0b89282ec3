// Any text read as a number gives a finite value, and every display form of that value reads
// back to a value that displays the same: what a field shows is what it stores.

#include "model/number_text.h"
#include "model/single_precision.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

constexpr std::string_view patterns[] = {"0.000000",    "0.00000",   "0.0000",     "0.000",
                                         "#0.000",      "#0.0000",   "0.000e+00",  "0.0000e+00",
                                         "0.00000e+00", "0.000E+00", "0.0000E+00", " 0"};

void require(bool condition) {
    if (!condition) std::abort();
}

void checkStable(const std::string& shown, const std::string& again) {
    require(shown == again);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const double value = trelvix::readNumber(text);
    require(std::isfinite(value));

    for (std::string_view pattern : patterns) {
        const std::string shown = trelvix::formatNumber(value, pattern);
        const double stored = trelvix::readNumber(shown);
        require(std::isfinite(stored));
        checkStable(shown, trelvix::formatNumber(stored, pattern));
    }

    const std::string general = trelvix::generalNumber(value);
    checkStable(general, trelvix::generalNumber(trelvix::readNumber(general)));

    // The computation time is single precision and read with saturation.  Seven digits do not
    // always name a float exactly (the one shown for 1.00000006e28 is "1E+28", which reads as
    // 9.99999944e27): the field then writes its text once more, and from there it stays.
    const auto singleShown = [](const std::string& text) {
        return trelvix::generalNumber(trelvix::toSingleSaturated(trelvix::readNumber(text)));
    };
    const std::string rewritten =
        singleShown(trelvix::generalNumber(trelvix::toSingleSaturated(value)));
    checkStable(rewritten, singleShown(rewritten));
    return 0;
}
