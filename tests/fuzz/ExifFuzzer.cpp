// The Exif orientation reader over hostile JPEG markers and TIFF directories.
#include "tests/fuzz/FuzzTarget.h"

#include "engine/ExifOrientation.h"

using namespace velmora;

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzz::StartProgramState();
    return 0;
}

// The first byte chooses: odd, the rest is a whole file; even, it is the TIFF block of an Exif
// segment, wrapped here so that the search reaches the directory reader at once.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 1 || size > 0xFFFF)
        return 0;
    QByteArray jpeg = fuzz::Bytes(data + 1, size - 1);
    if ((data[0] & 1) == 0) {
        const QByteArray body = QByteArrayLiteral("Exif\0\0") + jpeg;
        const qsizetype length = qMin<qsizetype>(body.size() + 2, 0xFFFF);
        jpeg = QByteArray("\xFF\xD8\xFF\xE1", 4) + char(length >> 8) + char(length & 0xFF) + body +
               QByteArray("\xFF\xDA", 2);
    }
    const int orientation = ExifOrientation(jpeg);
    if (orientation < 1 || orientation > 8)
        fuzz::Broken("an orientation outside 1 to 8");
    return 0;
}
