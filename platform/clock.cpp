#include "platform/clock.h"

#include <chrono>

namespace trelvix {

double SteadyClock::seconds() {
    const auto sinceOrigin = std::chrono::steady_clock::now().time_since_epoch();
    return std::chrono::duration<double>(sinceOrigin).count();
}

} // namespace trelvix
