#include "tests/support/TestImages.h"

#include <QPainter>
#include <QRandomGenerator>

#include <cmath>
#include <cstdlib>
#include <cstring>

#include <magick/api.h>

namespace velmora::test {

QImage FlatImage(int width, int height, QRgb colour, QImage::Format format)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return format == QImage::Format_RGB32 ? image : image.convertToFormat(format);
}

QImage NoiseImage(int width, int height, quint32 seed, int low, int high)
{
    QRandomGenerator random(seed);
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x)
            line[x] = qRgb(random.bounded(low, high + 1), random.bounded(low, high + 1),
                           random.bounded(low, high + 1));
    }
    return image;
}

QImage PhotoLikeImage(int width, int height, quint32 seed)
{
    QRandomGenerator random(seed);
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x)
            line[x] =
                qRgb(40 + 160 * x / width, 60 + 120 * y / height, 200 - 150 * (x + y) / (width + height));
    }
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    for (int i = 0; i < 12; ++i) {
        painter.setBrush(QColor(random.bounded(256), random.bounded(256), random.bounded(256)));
        painter.setPen(Qt::NoPen);
        painter.drawEllipse(QPointF(random.bounded(width), random.bounded(height)), width / 10.0,
                            height / 10.0);
    }
    return image;
}

quint32 Crc32(const QByteArray& bytes)
{
    quint32 crc = 0xffffffffu;
    for (const char c : bytes) {
        crc ^= static_cast<uchar>(c);
        for (int k = 0; k < 8; ++k)
            crc = (crc >> 1) ^ (0xedb88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

QByteArray BigEndian(quint32 value)
{
    QByteArray bytes(4, '\0');
    for (int i = 0; i < 4; ++i)
        bytes[i] = static_cast<char>(value >> (24 - 8 * i));
    return bytes;
}

QByteArray PngBomb(quint32 width, quint32 height)
{
    QByteArray ihdr = "IHDR" + BigEndian(width) + BigEndian(height) + QByteArray("\x08\x02\x00\x00\x00", 5);
    QByteArray png("\x89PNG\r\n\x1a\n", 8);
    png += BigEndian(13) + ihdr + BigEndian(Crc32(ihdr));
    // The start of the pixel data: a zlib stream of zeros, as a real bomb's would be.
    const QByteArray idat = "IDAT" + qCompress(QByteArray(4096, '\0')).mid(4);
    png += BigEndian(quint32(idat.size() - 4)) + idat + BigEndian(Crc32(idat));
    png += BigEndian(0) + QByteArray("IEND") + BigEndian(Crc32("IEND"));
    return png;
}

QByteArray ExifTiffBlock(const char* order, int orientation)
{
    const bool little = order[0] == 'I';
    auto word16 = [&](int v) {
        QByteArray bytes;
        bytes.append(char(little ? v & 0xFF : v >> 8));
        bytes.append(char(little ? v >> 8 : v & 0xFF));
        return bytes;
    };
    auto word32 = [&](int v) {
        return little ? word16(v & 0xFFFF) + word16(v >> 16) : word16(v >> 16) + word16(v & 0xFFFF);
    };
    QByteArray tiff = QByteArray(order, 2) + word16(42) + word32(8) + word16(2);
    tiff += word16(0x010F) + word16(2) + word32(4) + QByteArray("Cam\0", 4);
    tiff += word16(0x0112) + word16(3) + word32(1) + word16(orientation) + word16(0);
    return tiff + word32(0);
}

ChannelStats Stats(const QImage& source, int channel)
{
    const QImage image = source.convertToFormat(QImage::Format_RGB32);
    double sum = 0;
    double squares = 0;
    const double count = double(image.width()) * image.height();
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int value = channel == 0 ? qRed(line[x]) : channel == 1 ? qGreen(line[x]) : qBlue(line[x]);
            sum += value;
            squares += double(value) * value;
        }
    }
    const double mean = sum / count;
    return {mean, squares / count - mean * mean};
}

// Formats Qt cannot write are made with GraphicsMagick's encoders.
QByteArray EncodeWithMagick(const QImage& source, const char* format, bool cmyk)
{
    const QImage image = source.convertToFormat(QImage::Format_RGB32);
    ExceptionInfo exception;
    GetExceptionInfo(&exception);
    InitializeMagickEx(nullptr, MAGICK_OPT_NO_SIGNAL_HANDER, &exception);
    Image* constituted =
        ConstituteImage(image.width(), image.height(), "BGRA", CharPixel, image.constBits(), &exception);
    if (!constituted)
        return {};
    if (cmyk)
        TransformColorspace(constituted, CMYKColorspace);
    ImageInfo* info = CloneImageInfo(nullptr);
    std::strcpy(info->magick, format);
    std::strcpy(constituted->magick, format);
    size_t length = 0;
    void* blob = ImageToBlob(info, constituted, &length, &exception);
    QByteArray bytes(static_cast<const char*>(blob), static_cast<qsizetype>(length));
    MagickFree(blob);
    DestroyImageInfo(info);
    DestroyImage(constituted);
    DestroyExceptionInfo(&exception);
    return bytes;
}

double ScriptedRandom::draw()
{
    ++m_used;
    if (m_draws.empty())
        return 0;
    const double value = m_draws.front();
    m_draws.pop_front();
    return value;
}

double MeanChannelDifference(const QImage& a, const QImage& b)
{
    if (a.size() != b.size() || a.isNull())
        return 255;
    const QImage x = a.convertToFormat(QImage::Format_RGB32);
    const QImage y = b.convertToFormat(QImage::Format_RGB32);
    double sum = 0;
    for (int row = 0; row < x.height(); ++row) {
        const auto* p = reinterpret_cast<const QRgb*>(x.constScanLine(row));
        const auto* q = reinterpret_cast<const QRgb*>(y.constScanLine(row));
        for (int col = 0; col < x.width(); ++col)
            sum += std::abs(qRed(p[col]) - qRed(q[col])) + std::abs(qGreen(p[col]) - qGreen(q[col])) +
                   std::abs(qBlue(p[col]) - qBlue(q[col]));
    }
    return sum / (3.0 * x.width() * x.height());
}

} // namespace velmora::test
