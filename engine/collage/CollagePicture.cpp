#include "engine/collage/CollagePicture.h"

#include "core/Failure.h"
#include "core/PathRoutines.h"
#include "core/TextLines.h"
#include "engine/ClipResampler.h"
#include "engine/ExifOrientation.h"
#include "engine/ImageDecoder.h"
#include "engine/JpegDecoder.h"
#include "engine/JpegReader.h"

namespace velmora {
namespace {

// Enough of a file for the headers of JPEG (with its Exif block), PNG, GIF and BMP.
constexpr qint64 HeaderBytes = 128 * 1024;

QImage trueColour(const QImage& image)
{
    return image.format() == QImage::Format_RGB32 ? image : image.convertToFormat(QImage::Format_RGB32);
}

} // namespace

std::shared_ptr<const CollagePicture> CollagePicture::Read(const QString& path)
{
    auto picture = std::make_shared<CollagePicture>();
    picture->m_path = path;
    const QString extension = GetExtension(GetFileName(path));
    // The header is near the start; a file whose header lies further in is read whole.
    QByteArray bytes = ReadFileStart(path, HeaderBytes);
    bool whole = bytes.size() < HeaderBytes;
    const auto readWhole = [&] {
        if (!whole)
            bytes = ReadWholeFile(path, MaxImageFileBytes);
        whole = true;
    };
    if (LooksLikeJpeg(bytes)) {
        std::unique_ptr<JpegReader> reader;
        try {
            reader = std::make_unique<JpegReader>(bytes, path);
        } catch (const Failure&) {
            if (whole)
                throw;
            readWhole();
            reader = std::make_unique<JpegReader>(bytes, path);
        }
        CheckDecodedSize(reader->size(), path);
        picture->m_jpeg = true;
        picture->m_orientation = ExifOrientation(bytes);
        picture->m_size =
            OrientationSwapsSides(picture->m_orientation) ? reader->size().transposed() : reader->size();
        picture->m_streamed = picture->m_orientation == 1 && reader->colours() != JpegReader::Colours::Cmyk;
        return picture;
    }
    QSize size = bytes.isEmpty() ? QSize() : PictureHeaderSize(bytes, extension);
    if (!size.isValid() && !whole) {
        readWhole();
        size = PictureHeaderSize(bytes, extension);
    }
    if (size.isValid() && !size.isEmpty()) {
        CheckDecodedSize(size, path);
        picture->m_size = size;
        return picture;
    }
    // No size without decoding (or not a picture at all, which decoding reports). The pixels are
    // not kept: a plan may hold many pictures, and each is decoded again when it is drawn.
    readWhole();
    picture->m_size = DecodeImageData(bytes, extension, {}, path).size();
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
    return m_image.sizeInBytes();
}

QByteArray CollagePicture::bytes() const
{
    return ReadPictureFile(m_path);
}

void CollagePicture::render(QSize target, QRect clip, uchar* out, qsizetype stride) const
{
    if (clip.isEmpty())
        return;
    if (!m_image.isNull()) {
        ResampleImage(m_image, target, clip, out, stride);
        return;
    }
    const QByteArray data = bytes();
    if (m_streamed) {
        renderJpeg(data, target, clip, out, stride);
        return;
    }
    // Whole, then resampled: a JPEG turned upright or in CMYK (at a reduced DCT scale), or a picture
    // of another format.
    ResampleImage(trueColour(decodeWhole(data, target)), target, clip, out, stride);
}

void CollagePicture::check() const
{
    readThrough(false);
}

void CollagePicture::validate() const
{
    readThrough(true);
}

void CollagePicture::readThrough(bool decodeAll) const
{
    if (!m_image.isNull())
        return;
    const QByteArray data = bytes();
    if (!m_jpeg) {
        (void)decodeWhole(data, QSize(1, 1));
        return;
    }
    JpegReader reader(data, m_path);
    reader.start(1, JpegReader::Output::Rgb32);
    if (decodeAll) {
        // All the data goes through the entropy decoder at the smallest scale: the last row is read.
        std::vector<uchar> line(size_t(reader.rowBytes()));
        reader.skipTo(reader.outputSize().height() - 1);
        reader.readRow(line.data());
    }
    reader.finish();
}

void CollagePicture::renderJpeg(const QByteArray& bytes, QSize target, QRect clip, uchar* out,
                                qsizetype stride) const
{
    JpegReader reader(bytes, m_path);
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

QImage CollagePicture::decodeWhole(const QByteArray& bytes, QSize target) const
{
    if (m_jpeg) {
        const bool swaps = OrientationSwapsSides(m_orientation);
        const QSize stored = swaps ? m_size.transposed() : m_size;
        const QSize wanted = swaps ? target.transposed() : target;
        return Upright(DecodeJpegAtScale(bytes, JpegScaleFor(stored, wanted), m_path), m_orientation);
    }
    return DecodeImageData(bytes, GetExtension(GetFileName(m_path)), {}, m_path);
}

} // namespace velmora
