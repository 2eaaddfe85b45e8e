#pragma once
// Turns an image file into a QImage: JPEG through libjpeg-turbo, the other formats Qt reads through
// Qt's image readers, and the remaining raster formats of the file-kind table through GraphicsMagick.
// Every decoder refuses pictures larger than the bounds below before allocating their pixels.
#include <QImage>
#include <QSize>
#include <QString>
#include <QStringList>

#include <functional>

namespace velmora {

// A decoded picture is at most 2^27 pixels (512 MiB as 32-bit pixels) and 32767 pixels a side;
// files are at most 512 MiB. Larger claims are refused as they are read from the header.
inline constexpr qint64 MaxDecodedPixels = qint64{1} << 27;
inline constexpr int MaxDecodedSide = 32767;
inline constexpr qint64 MaxImageFileBytes = qint64{512} * 1024 * 1024;

// A picture file's bytes (at most MaxImageFileBytes) in a buffer the calling thread keeps from call
// to call: reading file after file then takes no fresh memory pages, which cost more than the read.
// The caller lets go of its copy before the thread reads the next file. Throws as ReadWholeFile.
QByteArray ReadPictureFile(const QString& path);

// The picture in its native depth (Indexed8, Grayscale8, RGB32, ARGB32...); the first frame of an
// animation. With a valid fitWithin the picture is scaled down (never up), keeping its shape, to fit
// that box; JPEG files are then decoded at reduced size directly (DCT scaling), which is much faster.
// Throws a Failure with a clear text and the path: missing, empty, unknown format, corrupt or
// truncated data, or too large.
QImage DecodeImage(const QString& path, QSize fitWithin = {});

// A picture for a change that composes it once, and its size as stored (upright). A JPEG for which
// reduceTo gives a valid size for that stored size is decoded straight to it, never held whole;
// other pictures are decoded whole.
struct DecodedPicture {
    QImage image;
    QSize storedSize;
};
DecodedPicture DecodeImageReduced(const QString& path, const std::function<QSize(QSize stored)>& reduceTo);

// The same from bytes already in memory; extension chooses the decoder when the content does not.
QImage DecodeImageData(const QByteArray& bytes, const QString& extension, QSize fitWithin = {},
                       const QString& path = {});

// The size a picture's header gives, read by the Qt reader that DecodeImageData would use for these
// bytes under this name; invalid when there is none or it tells no size. No pixel is decoded.
QSize QtHeaderSize(const QByteArray& bytes, const QString& extension);

// The same for every format whose header tells the size: Qt's, and AVIF, HEIF and JPEG XL through
// their own libraries. Throws the "too large" Failure where a library refuses the claim itself.
QSize PictureHeaderSize(const QByteArray& bytes, const QString& extension);

// Upper-case extensions of the image kinds that load, by the decoder that reads them.
QStringList QtReadableExtensions();
QStringList MagickReadableExtensions();

// The box-fitted size of a picture: shape kept, never larger than the picture itself.
QSize FittedSize(QSize picture, QSize fitWithin);

// Throws the "too large" Failure when a header's size exceeds the bounds.
void CheckDecodedSize(QSize size, const QString& path);

} // namespace velmora
