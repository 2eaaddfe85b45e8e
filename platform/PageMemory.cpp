#include "platform/PageMemory.h"

#include <algorithm>
#include <cstdlib>
#include <limits>
#if defined(__GLIBC__)
#include <malloc.h>
#endif
#include <sys/mman.h>

namespace velmora::platform {

void* AllocatePages(std::size_t bytes)
{
    if (bytes < HugePageBytes)
        return std::malloc(bytes);
    const std::size_t rounded = (bytes + HugePageBytes - 1) / HugePageBytes * HugePageBytes;
    void* memory = std::aligned_alloc(HugePageBytes, rounded);
    // Only advice: without transparent huge pages the memory works the same, only slower to touch.
    if (memory)
        ::madvise(memory, rounded, MADV_HUGEPAGE);
    return memory;
}

void FreePages(void* memory)
{
    std::free(memory);
}

void* MapPages(std::size_t bytes)
{
    if (bytes == 0)
        return nullptr;
    void* memory = ::mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (memory == MAP_FAILED)
        return nullptr;
    if (bytes >= HugePageBytes)
        ::madvise(memory, bytes, MADV_HUGEPAGE);
    return memory;
}

void UnmapPages(void* memory, std::size_t bytes)
{
    if (memory)
        ::munmap(memory, bytes);
}

void ReturnLargeBlocksToTheSystem(std::size_t bytes)
{
#if defined(M_MMAP_THRESHOLD)
    // Setting the bound also stops the allocator from moving it, and from moving the amount of free
    // memory it keeps at the top of its heaps: left at 128 KiB, every block of a few hundred KiB
    // freed there goes back to the system and faults in again at the next picture. Twice the
    // bound is what the allocator itself would set.
    const std::size_t bound = std::min<std::size_t>(bytes, std::numeric_limits<int>::max() / 2);
    ::mallopt(M_MMAP_THRESHOLD, static_cast<int>(bound));
    ::mallopt(M_TRIM_THRESHOLD, static_cast<int>(2 * bound));
#else
    (void)bytes;
#endif
}

} // namespace velmora::platform
