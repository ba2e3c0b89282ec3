#pragma once

// The reason of a failed file operation in the words a Russian-speaking student reads: the
// common failures of saving a file get a Russian phrase; any other keeps the system's own text.

#include <string>

namespace trelvix {

// The reason for the C library's error number `error`; 0 (a library that set none) still names
// a failure.
std::string systemErrorText(int error);

} // namespace trelvix
