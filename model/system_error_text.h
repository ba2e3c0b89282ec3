#pragma once

// The reason of a failed file operation in the words a student reads: the common failures of
// reading and saving a file get a phrase of the program's own, in its current language; any
// other keeps the system's own text.  The same error number means different things on the two
// sides: a missing name is the file itself when reading and its folder when writing, and a
// denied access is denied reading or denied writing.

#include <string>

namespace trelvix {

enum class FileAccess { Reading, Writing };

// The reason for the C library's error number `error`; 0 (a library that set none) still names
// a failure.
std::string systemErrorText(int error, FileAccess access = FileAccess::Writing);

} // namespace trelvix
