#include "engine/BmpWriter.h"

#include "core/Failure.h"
#include "engine/ImageMemory.h"
#include "engine/ParallelRows.h"
#include "platform/AtomicFile.h"

#include <QFile>

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

void encodeInto(const Layout& layout, uchar* out)
{
    const QImage& image = layout.image;
    const qint64 width = image.width();
    const qint64 height = image.height();
    const qint64 rowBytes = layout.rowBytes;
    std::memset(out, 0, kHeaderBytes);
    out[0] = 'B';
    out[1] = 'M';
    put32(out + 2, quint32(layout.total));
    put32(out + 10, kHeaderBytes);
    put32(out + 14, 40);
    put32(out + 18, quint32(width));
    put32(out + 22, quint32(height)); // positive: rows stored bottom-up
    put16(out + 26, 1);
    put16(out + 28, 24);
    put32(out + 34, quint32(rowBytes * height));
    put32(out + 38, 3780); // 96 DPI in pixels per metre
    put32(out + 42, 3780);

    ForEachRowBand(
        static_cast<int>(height),
        [&](int first, int end) {
            // Local copies: stores through byte pointers could alias captured variables.
            const qint64 w = width;
            const qint64 stride = rowBytes;
            for (int y = first; y < end; ++y) {
                const auto* in = reinterpret_cast<const quint32*>(image.constScanLine(y));
                uchar* row = out + kHeaderBytes + stride * (height - 1 - y);
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

} // namespace

QByteArray EncodeBmp24(const QImage& source)
{
    const Layout layout = layOut(source);
    QByteArray bytes(static_cast<qsizetype>(layout.total), Qt::Uninitialized);
    encodeInto(layout, reinterpret_cast<uchar*>(bytes.data()));
    return bytes;
}

void SaveBmp24(const QImage& image, const QString& path)
{
    const Layout layout = layOut(image);
    // Ordinary pages here: asking for huge ones makes the kernel compact memory on the spot, and
    // right after the previous bitmap filled the page cache that stall can outlast the whole save.
    const std::unique_ptr<unsigned char[]> bytes(
        new (std::nothrow) unsigned char[static_cast<std::size_t>(layout.total)]);
    if (!bytes)
        throw Failure(ErrorCode::OutOfMemory, Failure::standardText(ErrorCode::OutOfMemory));
    encodeInto(layout, bytes.get());
    // The desktop never reads a half-written bitmap, and a failure leaves the previous one.
    platform::AtomicFileWriter file(path);
    file.reserve(layout.total);
    file.write(bytes.get(), layout.total);
    if (!file.commit())
        throw Failure::fromErrno(file.error(), path);
}

} // namespace velmora
