#pragma once
// Memory for large pictures, backed by huge pages where the system offers them: a 4K picture in
// 4 KiB pages costs thousands of page faults on first touch, several times the work of a simple
// filter; in 2 MiB pages it costs a few dozen.
#include <cstddef>

namespace velmora::platform {

inline constexpr std::size_t HugePageBytes = std::size_t{2} << 20;

// Uninitialised bytes (huge-page backed from HugePageBytes up); null when they cannot be had.
// Release with FreePages.
void* AllocatePages(std::size_t bytes);
void FreePages(void* memory);

// The same straight from the system and back to it when freed: for large buffers that come and go
// on several threads, which the allocator would otherwise keep in its per-thread pools. Null when
// they cannot be had. Release with UnmapPages and the same size.
void* MapPages(std::size_t bytes);
void UnmapPages(void* memory, std::size_t bytes);

// From here on, blocks of `bytes` and more come straight from the system and go back to it when
// freed, whichever thread frees them. Left to itself the allocator raises that bound each time a
// large block is freed, and pictures of a few MB then stay in its pools: a long run of timer
// changes grows by a picture's worth at a time. Called once at start.
void ReturnLargeBlocksToTheSystem(std::size_t bytes = std::size_t{1} << 20);

} // namespace velmora::platform
