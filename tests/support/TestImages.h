#pragma once
// Pictures and statistics the engine tests build their cases from.
#include "core/RandomSource.h"

#include <QImage>

#include <deque>

namespace velmora::test {

// One colour all over.
QImage FlatImage(int width, int height, QRgb colour, QImage::Format format = QImage::Format_RGB32);
// Independent uniform noise per channel, from a fixed seed.
QImage NoiseImage(int width, int height, quint32 seed, int low = 0, int high = 255);
// A smooth colour gradient with a few hard-edged shapes: something like a photo.
QImage PhotoLikeImage(int width, int height, quint32 seed);

// Big-endian bytes of a 32-bit word, and the CRC of PNG chunks.
QByteArray BigEndian(quint32 value);
quint32 Crc32(const QByteArray& bytes);

// The mean absolute difference of two same-sized pictures' red, green and blue values (0 to 255);
// a large value when the sizes differ.
double MeanChannelDifference(const QImage& a, const QImage& b);
// A well-formed PNG header that claims a huge picture, and no pixel data.
QByteArray PngBomb(quint32 width, quint32 height);

// A TIFF block as a camera writes into its Exif segment, in byte order "II" or "MM": one directory
// with an unrelated tag, then the orientation.
QByteArray ExifTiffBlock(const char* order, int orientation);

// The picture in a format only GraphicsMagick writes ("PCX", "SUN", "GIF"...).
QByteArray EncodeWithMagick(const QImage& image, const char* format, bool cmyk = false);

// Mean and variance of one channel (0 red, 1 green, 2 blue) over the whole image.
struct ChannelStats {
    double mean = 0;
    double variance = 0;
};
ChannelStats Stats(const QImage& image, int channel);

// Answers the draws given, then 0.
class ScriptedRandom final : public RandomSource {
public:
    ScriptedRandom(std::initializer_list<double> draws)
        : m_draws(draws)
    {}
    double draw() override;
    int used() const { return m_used; }

private:
    std::deque<double> m_draws;
    int m_used = 0;
};

} // namespace velmora::test
