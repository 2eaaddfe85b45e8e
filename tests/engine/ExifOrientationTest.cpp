#include "tests/support/TestImages.h"
#include "tests/support/TestSupport.h"

#include "engine/ExifOrientation.h"
#include "engine/ImageDecoder.h"

#include <QBuffer>

#include <gtest/gtest.h>

using namespace velmora;

namespace {

// A 40 x 20 JPEG whose left half is red and right half blue, with an Exif orientation tag in the
// given byte order ("II" or "MM"); orientation 0 writes no Exif block.
QByteArray SidewaysJpeg(int orientation, const char* order = "MM")
{
    QImage image(40, 20, QImage::Format_RGB32);
    image.fill(Qt::blue);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x)
            image.setPixel(x, y, qRgb(255, 0, 0));
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPEG", 100);
    if (orientation == 0)
        return jpeg;
    const QByteArray tiff = test::ExifTiffBlock(order, orientation);
    const QByteArray body = QByteArrayLiteral("Exif\0\0") + tiff;
    const int length = int(body.size()) + 2;
    const QByteArray app1 = QByteArray("\xFF\xE1", 2) + char(length >> 8) + char(length & 0xFF) + body;
    return jpeg.left(2) + app1 + jpeg.mid(2);
}

bool reddish(QRgb p)
{
    return qRed(p) > 200 && qBlue(p) < 60;
}
bool bluish(QRgb p)
{
    return qBlue(p) > 200 && qRed(p) < 60;
}

} // namespace

TEST(ExifOrientation, ReadInBothByteOrdersAndAbsentMeansUpright)
{
    for (int orientation = 1; orientation <= 8; ++orientation) {
        EXPECT_EQ(ExifOrientation(SidewaysJpeg(orientation, "MM")), orientation);
        EXPECT_EQ(ExifOrientation(SidewaysJpeg(orientation, "II")), orientation);
    }
    EXPECT_EQ(ExifOrientation(SidewaysJpeg(0)), 1);
    EXPECT_EQ(ExifOrientation(QByteArray("not a jpeg")), 1);
}

TEST(ExifOrientation, HostileBlocksReadAsUpright)
{
    const QByteArray good = SidewaysJpeg(6);
    // Cut inside the Exif block, a directory offset far outside it, and a length past the end.
    for (qsizetype cut : {qsizetype(8), qsizetype(20), qsizetype(40)})
        EXPECT_EQ(ExifOrientation(good.left(cut)), 1) << cut;
    QByteArray farOffset = good;
    farOffset[2 + 4 + 6 + 4] = char(0x7F);
    EXPECT_EQ(ExifOrientation(farOffset), 1);
    QByteArray badLength = good;
    badLength[4] = char(0xFF);
    EXPECT_EQ(ExifOrientation(badLength), 1);
}

TEST(ExifOrientation, DecodedPicturesStandUpright)
{
    const QImage upright = DecodeImageData(SidewaysJpeg(1), QStringLiteral("jpg"));
    EXPECT_EQ(upright.size(), QSize(40, 20));
    EXPECT_TRUE(reddish(upright.pixel(5, 10)));

    // 6: the camera was turned clockwise; the left (red) half belongs at the top.
    const QImage turned = DecodeImageData(SidewaysJpeg(6), QStringLiteral("jpg"));
    ASSERT_EQ(turned.size(), QSize(20, 40));
    EXPECT_TRUE(reddish(turned.pixel(10, 5)));
    EXPECT_TRUE(bluish(turned.pixel(10, 35)));

    const QImage other = DecodeImageData(SidewaysJpeg(8), QStringLiteral("jpg"));
    ASSERT_EQ(other.size(), QSize(20, 40));
    EXPECT_TRUE(bluish(other.pixel(10, 5)));

    const QImage halfTurn = DecodeImageData(SidewaysJpeg(3), QStringLiteral("jpg"));
    EXPECT_TRUE(bluish(halfTurn.pixel(5, 10)));

    // The box is applied to the upright picture.
    EXPECT_EQ(DecodeImageData(SidewaysJpeg(6), QStringLiteral("jpg"), QSize(10, 10)).size(), QSize(5, 10));
}

TEST(ExifOrientation, APictureReadReducedIsReducedUpright)
{
    test::TempFolder folder;
    const QString path = folder.file(QStringLiteral("turned.jpg"));
    test::WriteBytes(path, SidewaysJpeg(6));
    QSize asked;
    const DecodedPicture read = DecodeImageReduced(path, [&asked](QSize stored) {
        asked = stored;
        return QSize(10, 20);
    });
    EXPECT_EQ(asked, QSize(20, 40)) << "the size asked about is the upright one";
    EXPECT_EQ(read.storedSize, QSize(20, 40));
    ASSERT_EQ(read.image.size(), QSize(10, 20));
    EXPECT_TRUE(reddish(read.image.pixel(5, 2)));
    EXPECT_TRUE(bluish(read.image.pixel(5, 17)));
}
