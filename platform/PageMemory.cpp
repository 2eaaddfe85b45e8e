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
    // Setting the bound also stops the allocator from moving it.
    ::mallopt(M_MMAP_THRESHOLD, static_cast<int>(std::min<std::size_t>(bytes, std::numeric_limits<int>::max())));
#else
    (void)bytes;
#endif
}

} // namespace velmora::platform
