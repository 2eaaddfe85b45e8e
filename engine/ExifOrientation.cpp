#include "engine/ExifOrientation.h"

#include <QTransform>

namespace velmora {
namespace {

// Reads 16- and 32-bit words of the Exif block in its own byte order, refusing reads past its end.
class ExifBlock {
public:
    ExifBlock(const char* data, qsizetype size)
        : m_data(reinterpret_cast<const uchar*>(data))
        , m_size(size)
    {}

    bool setByteOrder()
    {
        if (m_size < 8)
            return false;
        if (m_data[0] == 'I' && m_data[1] == 'I')
            m_littleEndian = true;
        else if (m_data[0] == 'M' && m_data[1] == 'M')
            m_littleEndian = false;
        else
            return false;
        return word16(2) == 42;
    }

    int word16(qsizetype at) const
    {
        if (at < 0 || at + 2 > m_size)
            return -1;
        return m_littleEndian ? m_data[at] | m_data[at + 1] << 8 : m_data[at] << 8 | m_data[at + 1];
    }

    qint64 word32(qsizetype at) const
    {
        const int first = word16(at);
        const int second = word16(at + 2);
        if (first < 0 || second < 0)
            return -1;
        return m_littleEndian ? qint64(second) << 16 | first : qint64(first) << 16 | second;
    }

private:
    const uchar* m_data;
    qsizetype m_size;
    bool m_littleEndian = false;
};

int orientationIn(const char* tiff, qsizetype size)
{
    ExifBlock block(tiff, size);
    if (!block.setByteOrder())
        return 1;
    const qint64 directory = block.word32(4);
    const int entries = block.word16(directory);
    for (int i = 0; i < entries; ++i) {
        const qsizetype entry = directory + 2 + qsizetype(i) * 12;
        const int tag = block.word16(entry);
        if (tag < 0)
            return 1;
        if (tag == 0x0112) {
            const int value = block.word16(entry + 8);
            return value >= 1 && value <= 8 ? value : 1;
        }
    }
    return 1;
}

} // namespace

int ExifOrientation(const QByteArray& jpeg)
{
    const auto byte = [&](qsizetype at) { return uchar(jpeg.at(at)); };
    if (jpeg.size() < 4 || byte(0) != 0xFF || byte(1) != 0xD8)
        return 1;
    qsizetype at = 2;
    while (at + 4 <= jpeg.size() && byte(at) == 0xFF) {
        const uchar marker = byte(at + 1);
        // The scan starts: the metadata markers are all behind us.
        if (marker == 0xDA || marker == 0xD9)
            return 1;
        const qsizetype length = byte(at + 2) << 8 | byte(at + 3);
        if (length < 2 || at + 2 + length > jpeg.size())
            return 1;
        const qsizetype body = at + 4;
        if (marker == 0xE1 && length >= 8 && jpeg.mid(body, 6) == QByteArrayLiteral("Exif\0\0"))
            return orientationIn(jpeg.constData() + body + 6, length - 2 - 6);
        at += 2 + length;
    }
    return 1;
}

QImage Upright(const QImage& image, int orientation)
{
    const QTransform quarter = QTransform().rotate(90);
    switch (orientation) {
    case 2: return image.mirrored(true, false);
    case 3: return image.mirrored(true, true);
    case 4: return image.mirrored(false, true);
    case 5: return image.transformed(quarter).mirrored(true, false);
    case 6: return image.transformed(quarter);
    case 7: return image.transformed(quarter).mirrored(false, true);
    case 8: return image.transformed(QTransform().rotate(270));
    default: return image;
    }
}

} // namespace velmora
