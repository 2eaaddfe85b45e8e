#include "engine/BmpWriter.h"

#include "core/Failure.h"
#include "engine/ImageMemory.h"
#include "engine/ParallelRows.h"
#include "platform/AtomicFile.h"

#include <QFile>

#include <algorithm>
#include <cstring>
#include <limits>
#include <memory>
#include <new>

namespace velmora {
namespace {

void put16(uchar* at, quint32 value)
{
    at[0] = uchar(value);
    at[1] = uchar(value >> 8);
}
void put32(uchar* at, quint32 value)
{
    put16(at, value);
    put16(at + 2, value >> 16);
}

// The picture as true colour, and the size of its file.
struct Layout {
    QImage image;
    qint64 rowBytes = 0;
    qint64 total = 0;
};
constexpr int kHeaderBytes = 14 + 40;

Layout layOut(const QImage& source)
{
    if (source.isNull())
        throw Failure(ErrorCode::InvalidPicture, Failure::standardText(ErrorCode::InvalidPicture));
    Layout layout;
    layout.image =
        source.format() == QImage::Format_RGB32 ? source : source.convertToFormat(QImage::Format_RGB32);
    if (layout.image.isNull())
        throw Failure(ErrorCode::OutOfMemory, Failure::standardText(ErrorCode::OutOfMemory));
    layout.rowBytes = (qint64{layout.image.width()} * 3 + 3) & ~qint64{3};
    layout.total = kHeaderBytes + layout.rowBytes * layout.image.height();
    if (layout.total > std::numeric_limits<qint32>::max())
        throw Failure(ErrorCode::Overflow, Failure::standardText(ErrorCode::Overflow));
    return layout;
}

void writeHeader(const Layout& layout, uchar* out)
{
    const qint64 height = layout.image.height();
    std::memset(out, 0, kHeaderBytes);
    out[0] = 'B';
    out[1] = 'M';
    put32(out + 2, quint32(layout.total));
    put32(out + 10, kHeaderBytes);
    put32(out + 14, 40);
    put32(out + 18, quint32(layout.image.width()));
    put32(out + 22, quint32(height)); // positive: rows stored bottom-up
    put16(out + 26, 1);
    put16(out + 28, 24);
    put32(out + 34, quint32(layout.rowBytes * height));
    put32(out + 38, 3780); // 96 DPI in pixels per metre
    put32(out + 42, 3780);
}

// Rows first to end in the file's order (the picture's bottom row is the file's first).
void encodeRows(const Layout& layout, int first, int end, uchar* out)
{
    const QImage& image = layout.image;
    const qint64 width = image.width();
    const int height = image.height();
    const qint64 rowBytes = layout.rowBytes;
    ForEachRowBand(
        end - first,
        [&](int bandFirst, int bandEnd) {
            // Local copies: stores through byte pointers could alias captured variables.
            const qint64 w = width;
            const qint64 stride = rowBytes;
            for (int i = bandFirst; i < bandEnd; ++i) {
                const int y = height - 1 - (first + i);
                const auto* in = reinterpret_cast<const quint32*>(image.constScanLine(y));
                uchar* row = out + stride * i;
                for (qint64 x = 0; x < w; ++x) {
                    const quint32 p = in[x];
                    row[3 * x] = uchar(p);           // blue
                    row[3 * x + 1] = uchar(p >> 8);  // green
                    row[3 * x + 2] = uchar(p >> 16); // red
                }
                std::memset(row + 3 * w, 0, stride - 3 * w);
            }
        },
        static_cast<long long>(width));
}

// Rows leave for the file in chunks of about this many bytes: no whole second copy of the picture.
constexpr qint64 ChunkBytes = 4 << 20;

} // namespace

QByteArray EncodeBmp24(const QImage& source)
{
    const Layout layout = layOut(source);
    QByteArray bytes(static_cast<qsizetype>(layout.total), Qt::Uninitialized);
    auto* out = reinterpret_cast<uchar*>(bytes.data());
    writeHeader(layout, out);
    encodeRows(layout, 0, layout.image.height(), out + kHeaderBytes);
    return bytes;
}

void SaveBmp24(const QImage& image, const QString& path)
{
    const Layout layout = layOut(image);
    const int height = layout.image.height();
    const int chunkRows = static_cast<int>(std::clamp<qint64>(ChunkBytes / layout.rowBytes, 1, height));
    const auto chunkBytes = static_cast<std::size_t>(kHeaderBytes + layout.rowBytes * chunkRows);
    const std::unique_ptr<unsigned char[]> chunk(new (std::nothrow) unsigned char[chunkBytes]);
    if (!chunk)
        throw Failure(ErrorCode::OutOfMemory, Failure::standardText(ErrorCode::OutOfMemory));
    // The desktop never reads a half-written bitmap, and a failure leaves the previous one. The
    // bitmap is a copy of someone's photo: the owner's alone.
    platform::AtomicFileWriter file(path, platform::FileReaders::OwnerOnly);
    file.reserve(layout.total);
    writeHeader(layout, chunk.get());
    file.write(chunk.get(), kHeaderBytes);
    for (int first = 0; first < height; first += chunkRows) {
        const int end = std::min(height, first + chunkRows);
        encodeRows(layout, first, end, chunk.get());
        if (!file.write(chunk.get(), layout.rowBytes * (end - first)))
            break; // commit reports it
    }
    if (!file.commit())
        throw Failure::fromErrno(file.error(), path);
}

} // namespace velmora
