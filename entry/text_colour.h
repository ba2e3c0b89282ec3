#pragma once

namespace trelvix {

// Caption colours: some captions follow the desktop theme, others are always black.
enum class TextColour { Black, ButtonText, WindowText };

} // namespace trelvix
