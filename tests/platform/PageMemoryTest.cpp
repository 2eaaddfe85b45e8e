#include "platform/PageMemory.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <thread>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

using namespace velmora::platform;

namespace {

#if defined(__GLIBC__) && !defined(__SANITIZE_ADDRESS__)
// Bytes the allocator holds as blocks of their own from the system.
std::size_t mappedBytes()
{
    return mallinfo2().hblkhd;
}

// Allocates, touches and frees a block on a thread of its own, as a pool thread would.
void comeAndGo(std::size_t bytes)
{
    std::thread([bytes] {
        void* block = std::malloc(bytes);
        ASSERT_NE(block, nullptr);
        std::memset(block, 1, bytes);
        std::free(block);
    }).join();
}
#endif

} // namespace

TEST(PageMemory, BlocksBelowTheBoundStayWithTheAllocatorWhenFreed)
{
#if defined(__GLIBC__) && !defined(__SANITIZE_ADDRESS__)
    ReturnLargeBlocksToTheSystem();
    // Freed at the top of the heap, a block of a few hundred KiB stays for the next one instead of
    // going back and faulting in again.
    void* block = std::malloc(std::size_t{600} << 10);
    ASSERT_NE(block, nullptr);
    std::memset(block, 1, std::size_t{600} << 10);
    const std::size_t held = mallinfo2().arena;
    std::free(block);
    EXPECT_GT(mallinfo2().arena + (std::size_t{300} << 10), held);
#else
    GTEST_SKIP() << "the allocator's own accounting is glibc's";
#endif
}

TEST(PageMemory, PicturesOfAFewMegabytesGoBackToTheSystemAfterLargerOnesCameAndWent)
{
#if defined(__GLIBC__) && !defined(__SANITIZE_ADDRESS__)
    ReturnLargeBlocksToTheSystem();
    // Left to itself, glibc would now serve blocks up to 24 MB from its pools and keep them.
    comeAndGo(std::size_t{24} << 20);
    const std::size_t before = mappedBytes();
    void* picture = std::malloc(std::size_t{8} << 20);
    ASSERT_NE(picture, nullptr);
    EXPECT_GE(mappedBytes(), before + (std::size_t{8} << 20)) << "the block came from the allocator's pools";
    std::free(picture);
    EXPECT_EQ(mappedBytes(), before) << "the block was kept after it was freed";
#else
    GTEST_SKIP() << "the allocator's own accounting is glibc's";
#endif
}
