#include "platform/PageMemory.h"

#include <cstdlib>
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

} // namespace velmora::platform
