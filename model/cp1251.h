#pragma once

// The Windows Cyrillic code page, in which the results file is written so that the Russian
// texts open correctly in the editors of the classroom machines.

#include <string>
#include <string_view>

namespace trelvix {

// Re-encodes UTF-8 text into CP1251: ASCII stays as it is, Cyrillic letters and the other
// characters of the code page take their single byte, and every character the code page lacks
// (or every byte of malformed UTF-8) becomes "?".
std::string toCp1251(std::string_view utf8);

} // namespace trelvix
