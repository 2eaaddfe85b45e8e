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

} // namespace velmora::platform
