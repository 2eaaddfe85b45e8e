#include "engine/ImageMemory.h"

#include "platform/PageMemory.h"

namespace velmora {
namespace {

void release(void* memory)
{
    platform::FreePages(memory);
}

} // namespace

void FreeDeleter::operator()(void* memory) const
{
    release(memory);
}

LargeBuffer AllocateLarge(std::size_t bytes)
{
    return LargeBuffer(static_cast<unsigned char*>(platform::AllocatePages(bytes)));
}

QImage NewImage(int width, int height, QImage::Format format)
{
    if (width <= 0 || height <= 0)
        return {};
    const int depth = QImage::toPixelFormat(format).bitsPerPixel();
    // Scanlines are 32-bit aligned, as QImage lays them out.
    const qsizetype bytesPerLine = ((qsizetype(width) * depth + 31) / 32) * 4;
    const std::size_t bytes = static_cast<std::size_t>(bytesPerLine) * static_cast<std::size_t>(height);
    if (bytes < platform::HugePageBytes)
        return QImage(width, height, format);
    void* memory = platform::AllocatePages(bytes);
    if (!memory)
        return {};
    QImage image(static_cast<uchar*>(memory), width, height, bytesPerLine, format, release, memory);
    if (image.isNull())
        release(memory);
    return image;
}

} // namespace velmora
