#include "engine/JpegDecoder.h"

#include "core/Failure.h"

#include "engine/ClipResampler.h"
#include "engine/ImageDecoder.h"
#include "engine/ImageMemory.h"
#include "engine/JpegReader.h"
#include "engine/RowPipe.h"

namespace velmora {
namespace {

// Adobe writes CMYK inverted; each channel times the inverted black gives RGB.
void cmykToRgb(QImage& image)
{
    const int width = image.width();
    for (int y = 0; y < image.height(); ++y) {
        auto* words = reinterpret_cast<quint32*>(image.scanLine(y));
        const uchar* bytes = image.constScanLine(y);
        for (int x = 0; x < width; ++x) {
            const unsigned c = bytes[4 * x], m = bytes[4 * x + 1], yel = bytes[4 * x + 2],
                           k = bytes[4 * x + 3];
            words[x] = qRgb(c * k / 255, m * k / 255, yel * k / 255);
        }
    }
}

QImage decode(JpegReader& reader, int eighths, const QString& path)
{
    reader.start(eighths, JpegReader::Output::Native);

    const bool grey = reader.colours() == JpegReader::Colours::Grey;
    const QSize size = reader.outputSize();
    QImage image = NewImage(size.width(), size.height(), grey ? QImage::Format_Grayscale8 : QImage::Format_RGB32);
    if (image.isNull())
        throw Failure(ErrorCode::OutOfMemory,
                      Failure::standardText(ErrorCode::OutOfMemory) + QStringLiteral("\n") + path);
    for (int y = 0; y < size.height(); ++y)
        reader.readRow(image.scanLine(y));
    reader.finish();
    if (reader.colours() == JpegReader::Colours::Cmyk)
        cmykToRgb(image);
    return image;
}

} // namespace

static_assert(Q_BYTE_ORDER == Q_LITTLE_ENDIAN, "JCS_EXT_BGRX matches RGB32 on little-endian hosts only");

bool LooksLikeJpeg(const QByteArray& bytes)
{
    return bytes.size() >= 3 && uchar(bytes[0]) == 0xff && uchar(bytes[1]) == 0xd8 && uchar(bytes[2]) == 0xff;
}

QImage DecodeJpeg(const QByteArray& bytes, QSize fitWithin, const QString& path)
{
    JpegReader reader(bytes, path);
    CheckDecodedSize(reader.size(), path);
    int eighths = 8;
    if (fitWithin.isValid() && !fitWithin.isEmpty())
        eighths = JpegScaleFor(reader.size(), FittedSize(reader.size(), fitWithin));
    return decode(reader, eighths, path);
}

QImage DecodeJpegAtScale(const QByteArray& bytes, int eighths, const QString& path)
{
    JpegReader reader(bytes, path);
    CheckDecodedSize(reader.size(), path);
    return decode(reader, eighths, path);
}

QImage DecodeJpegResampled(const QByteArray& bytes, QSize target, const QString& path)
{
    JpegReader reader(bytes, path);
    CheckDecodedSize(reader.size(), path);
    if (reader.colours() == JpegReader::Colours::Cmyk) {
        const QImage whole = decode(reader, JpegScaleFor(reader.size(), target), path);
        return whole.scaled(target, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
            .convertToFormat(QImage::Format_RGB32);
    }
    reader.start(JpegScaleFor(reader.size(), target), JpegReader::Output::Rgb32);
    const QSize decoded = reader.outputSize();
    ClipResampler resampler(decoded, target, QRect(QPoint(0, 0), target));
    // The reader delivers whole rows.
    resampler.setSourceColumns(0, decoded.width());
    // Decoding takes longer than resampling: with a second core the resampler keeps pace with the
    // decoder, and the picture costs little more than its decoding.
    RowPipe pipe(decoded.height(), reader.rowBytes(), [&reader](uchar* row) { reader.readRow(row); });
    QImage image =
        resampler.run([&pipe](int y, quint32* line) { pipe.read(y, reinterpret_cast<uchar*>(line)); });
    if (image.isNull())
        throw Failure(ErrorCode::OutOfMemory,
                      Failure::standardText(ErrorCode::OutOfMemory) + QStringLiteral("\n") + path);
    pipe.close();
    reader.finish();
    return image;
}

QImage DecodeJpegScaled(const QByteArray& bytes, const JpegScaleChoice& choose, const QString& path)
{
    JpegReader reader(bytes, path);
    CheckDecodedSize(reader.size(), path);
    const unsigned denominator = choose(reader.size());
    const int eighths = denominator == 2 || denominator == 4 || denominator == 8 ? int(8 / denominator) : 8;
    return decode(reader, eighths, path);
}

} // namespace velmora
