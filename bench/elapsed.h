#pragma once

#include <QElapsedTimer>

namespace trelvix::bench {

inline double milliseconds(const QElapsedTimer& timer) {
    return static_cast<double>(timer.nsecsElapsed()) * 1e-6;
}

} // namespace trelvix::bench
