#pragma once
// Pixel memory for large pictures, backed by huge pages where the system offers them: a 4K picture
// in 4 KiB pages costs thousands of page faults on first touch, several times the work of a
// simple filter; in 2 MiB pages it costs a few dozen.
#include <QImage>

#include <cstddef>
#include <memory>

namespace velmora {

// An uninitialised image; null when the memory cannot be had.
QImage NewImage(int width, int height, QImage::Format format);
// The same for a picture that lives briefly, made and dropped on several threads (a collage's
// pieces): its memory goes back to the system as soon as the image is gone.
QImage NewTransientImage(int width, int height, QImage::Format format);

struct FreeDeleter {
    void operator()(void* memory) const;
};
using LargeBuffer = std::unique_ptr<unsigned char, FreeDeleter>;

// Uninitialised bytes; null when the memory cannot be had.
LargeBuffer AllocateLarge(std::size_t bytes);

} // namespace velmora
