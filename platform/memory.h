#pragma once

namespace trelvix {

// The pictures of the plots are large blocks (tens of megabytes in a 4K window) that come and
// go as panels are resized, hidden and shown.  By default the C library keeps such blocks for
// reuse once it has seen a few freed, so the program would go on holding the memory of pictures
// it no longer has; this makes it hand every block of a megabyte or more back to the system when
// freed.  Called once at start, before any window exists.
void returnLargeBlocksWhenFreed();

} // namespace trelvix
