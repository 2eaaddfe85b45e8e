#include "engine/collage/CollagePicture.h"

#include "core/PathRoutines.h"
#include "core/TextLines.h"
#include "engine/ClipResampler.h"
#include "engine/ExifOrientation.h"
#include "engine/ImageDecoder.h"
#include "engine/JpegDecoder.h"
#include "engine/JpegReader.h"

#include <QBuffer>
#include <QImageReader>

#include <cstring>

namespace velmora {
namespace {

QImage trueColour(const QImage& image)
{
    return image.format() == QImage::Format_RGB32 ? image : image.convertToFormat(QImage::Format_RGB32);
}

void resampleImage(const QImage& image, QSize target, QRect clip, uchar* out, qsizetype stride)
{
    ClipResampler resampler(image.size(), target, clip);
    const QRect source = resampler.sourceRect();
    resampler.run(
        [&](int y, quint32* line) {
            std::memcpy(line, image.constScanLine(y) + qsizetype(source.left()) * 4, size_t(source.width()) * 4);
        },
        out, stride);
}

// The size a format's header gives, without decoding the pixels; invalid when it gives none.
QSize headerSize(const QByteArray& bytes, const QString& extension)
{
    QByteArray data = bytes;
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader byContent(&buffer);
    byContent.setDecideFormatFromContent(true);
    if (byContent.canRead())
        return byContent.size();
    // Formats without a signature (TGA) are known by the extension.
    buffer.seek(0);
    QImageReader byExtension(&buffer, extension.toLower().toLatin1());
    return byExtension.canRead() ? byExtension.size() : QSize();
}

} // namespace

std::shared_ptr<const CollagePicture> CollagePicture::Read(const QString& path)
{
    auto picture = std::make_shared<CollagePicture>();
    picture->m_path = path;
    picture->m_bytes = ReadWholeFile(path, MaxImageFileBytes);
    const QByteArray& bytes = picture->m_bytes;
    const QString extension = GetExtension(GetFileName(path));
    if (LooksLikeJpeg(bytes)) {
        JpegReader reader(bytes, path);
        CheckDecodedSize(reader.size(), path);
        picture->m_jpeg = true;
        picture->m_orientation = ExifOrientation(bytes);
        picture->m_size = OrientationSwapsSides(picture->m_orientation) ? reader.size().transposed() : reader.size();
        picture->m_streamed = picture->m_orientation == 1 && reader.colours() != JpegReader::Colours::Cmyk;
        return picture;
    }
    const QSize size = bytes.isEmpty() ? QSize() : headerSize(bytes, extension);
    if (size.isValid() && !size.isEmpty()) {
        CheckDecodedSize(size, path);
        picture->m_size = size;
        return picture;
    }
    // No size without decoding (or not a picture at all, which decoding reports).
    picture->m_image = trueColour(DecodeImageData(bytes, extension, {}, path));
    picture->m_bytes.clear();
    picture->m_size = picture->m_image.size();
    return picture;
}

std::shared_ptr<const CollagePicture> CollagePicture::FromImage(const QImage& image)
{
    auto picture = std::make_shared<CollagePicture>();
    picture->m_image = trueColour(image);
    picture->m_size = image.size();
    return picture;
}

qint64 CollagePicture::heldBytes() const
{
    return m_bytes.size() + m_image.sizeInBytes();
}

void CollagePicture::render(QSize target, QRect clip, uchar* out, qsizetype stride) const
{
    if (clip.isEmpty())
        return;
    if (!m_image.isNull()) {
        resampleImage(m_image, target, clip, out, stride);
        return;
    }
    if (m_streamed) {
        renderJpeg(target, clip, out, stride);
        return;
    }
    // Whole, then resampled: a JPEG turned upright or in CMYK (at a reduced DCT scale), or a picture
    // of another format.
    resampleImage(trueColour(decodeWhole(target)), target, clip, out, stride);
}

void CollagePicture::check() const
{
    if (!m_image.isNull())
        return;
    if (m_streamed) {
        JpegReader reader(m_bytes, m_path);
        reader.start(1, JpegReader::Output::Rgb32);
        reader.finish();
        return;
    }
    (void)decodeWhole(QSize(1, 1));
}

void CollagePicture::renderJpeg(QSize target, QRect clip, uchar* out, qsizetype stride) const
{
    JpegReader reader(m_bytes, m_path);
    reader.start(JpegScaleFor(m_size, target), JpegReader::Output::Rgb32);
    ClipResampler resampler(reader.outputSize(), target, clip);
    const QRect needed = resampler.sourceRect();
    int width = needed.width();
    const int left = reader.restrictColumns(needed.left(), width);
    resampler.setSourceColumns(left, width);
    resampler.run(
        [&](int y, quint32* line) {
            reader.skipTo(y);
            reader.readRow(reinterpret_cast<uchar*>(line));
        },
        out, stride);
    reader.finish();
}

QImage CollagePicture::decodeWhole(QSize target) const
{
    if (m_jpeg) {
        const bool swaps = OrientationSwapsSides(m_orientation);
        const QSize stored = swaps ? m_size.transposed() : m_size;
        const QSize wanted = swaps ? target.transposed() : target;
        return Upright(DecodeJpegAtScale(m_bytes, JpegScaleFor(stored, wanted), m_path), m_orientation);
    }
    return DecodeImageData(m_bytes, GetExtension(GetFileName(m_path)), {}, m_path);
}

} // namespace velmora
