#include "engine/ImageMemory.h"

#include "platform/PageMemory.h"

namespace velmora {
namespace {

void release(void* memory)
{
    platform::FreePages(memory);
}

struct Mapping {
    void* memory;
    std::size_t bytes;
};

void unmap(void* info)
{
    auto* mapping = static_cast<Mapping*>(info);
    platform::UnmapPages(mapping->memory, mapping->bytes);
    delete mapping;
}

qsizetype lineBytes(int width, QImage::Format format)
{
    // Scanlines are 32-bit aligned, as QImage lays them out.
    return ((qsizetype(width) * QImage::toPixelFormat(format).bitsPerPixel() + 31) / 32) * 4;
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
    const qsizetype bytesPerLine = lineBytes(width, format);
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

QImage NewTransientImage(int width, int height, QImage::Format format)
{
    if (width <= 0 || height <= 0)
        return {};
    const qsizetype bytesPerLine = lineBytes(width, format);
    const std::size_t bytes = static_cast<std::size_t>(bytesPerLine) * static_cast<std::size_t>(height);
    if (bytes < 256 * 1024)
        return QImage(width, height, format);
    void* memory = platform::MapPages(bytes);
    if (!memory)
        return {};
    auto* mapping = new Mapping{memory, bytes};
    QImage image(static_cast<uchar*>(memory), width, height, bytesPerLine, format, unmap, mapping);
    if (image.isNull())
        unmap(mapping);
    return image;
}

} // namespace velmora
