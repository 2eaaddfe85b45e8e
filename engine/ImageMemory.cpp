#include "engine/ImageMemory.h"

#include <cstdlib>
#include <sys/mman.h>

namespace velmora {
namespace {

constexpr std::size_t kHugePage = std::size_t{2} << 20;

void* allocate(std::size_t bytes)
{
    if (bytes < kHugePage)
        return std::malloc(bytes);
    const std::size_t rounded = (bytes + kHugePage - 1) / kHugePage * kHugePage;
    void* memory = std::aligned_alloc(kHugePage, rounded);
    // Only advice: without transparent huge pages the memory works the same, only slower to touch.
    if (memory)
        ::madvise(memory, rounded, MADV_HUGEPAGE);
    return memory;
}

void release(void* memory)
{
    std::free(memory);
}

} // namespace

void FreeDeleter::operator()(void* memory) const
{
    release(memory);
}

LargeBuffer AllocateLarge(std::size_t bytes)
{
    return LargeBuffer(static_cast<unsigned char*>(allocate(bytes)));
}

QImage NewImage(int width, int height, QImage::Format format)
{
    if (width <= 0 || height <= 0)
        return {};
    const int depth = QImage::toPixelFormat(format).bitsPerPixel();
    // Scanlines are 32-bit aligned, as QImage lays them out.
    const qsizetype bytesPerLine = ((qsizetype(width) * depth + 31) / 32) * 4;
    const std::size_t bytes = static_cast<std::size_t>(bytesPerLine) * static_cast<std::size_t>(height);
    if (bytes < kHugePage)
        return QImage(width, height, format);
    void* memory = allocate(bytes);
    if (!memory)
        return {};
    QImage image(static_cast<uchar*>(memory), width, height, bytesPerLine, format, release, memory);
    if (image.isNull())
        release(memory);
    return image;
}

} // namespace velmora
