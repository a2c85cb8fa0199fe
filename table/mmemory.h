#pragma once
// The program's use of memory.
namespace solvane {

// Keeps the large buffers of a window (its backing store, the table's pictures) in the
// heap once freed, so that the next resize reuses them instead of having the system map
// and zero fresh pages, which costs a resize of a 4K window a tenth of a second.
void KeepLargeBuffersForReuse();

} // namespace solvane
