#pragma once
// One image effect: a pure function from an image to a new image, shared by the pipeline, tests and bench.
#include <QImage>

namespace velmora {

class ImageFilter {
public:
    virtual ~ImageFilter() = default;
    // The filtered picture. Input of any format is accepted; the output is RGB32, or Grayscale8
    // where the effect's result is grey by nature.
    virtual QImage apply(const QImage& image) const = 0;
};

// The image as RGB32 or Grayscale8, the two layouts every filter works on.
QImage FilterInput(const QImage& image);

// Bytes per pixel of a FilterInput image and whether a byte index is a colour channel (not padding).
inline int ChannelBytes(const QImage& image)
{
    return image.format() == QImage::Format_Grayscale8 ? 1 : 4;
}

// Replaces every colour byte through a 256-entry table (RGB32 padding stays 0xff), on all cores.
QImage MapChannels(const QImage& image, const unsigned char (&table)[256]);

} // namespace velmora
