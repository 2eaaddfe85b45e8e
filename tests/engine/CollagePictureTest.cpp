#include "core/Failure.h"
#include "engine/ClipResampler.h"
#include "engine/ImageDecoder.h"
#include "engine/collage/CollagePicture.h"
#include "tests/support/TestImages.h"
#include "tests/support/TestSupport.h"

#include <QBuffer>
#include <QImageWriter>

#include <gtest/gtest.h>

#include <cstring>

namespace velmora {
namespace {

using test::FlatImage;
using test::PhotoLikeImage;
using test::TempFolder;
using test::WriteBytes;

QByteArray encode(const QImage& image, const char* format, QImageIOHandler::Transformations turn = {})
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.setQuality(92);
    writer.setTransformation(turn);
    EXPECT_TRUE(writer.write(image));
    return bytes;
}

QImage render(const CollagePicture& picture, QSize target, QRect clip)
{
    QImage out(clip.size(), QImage::Format_RGB32);
    picture.render(target, clip, out.bits(), out.bytesPerLine());
    return out;
}

double meanDifference(const QImage& a, const QImage& b)
{
    double sum = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            for (const int shift : {0, 8, 16})
                sum += std::abs(int((a.pixel(x, y) >> shift) & 0xff) - int((b.pixel(x, y) >> shift) & 0xff));
    return sum / (3.0 * a.width() * a.height());
}

TEST(CollagePicture, AJpegIsDecodedReducedAndResampledToTheSizeShown)
{
    TempFolder folder;
    const QImage photo = PhotoLikeImage(1200, 900, 3);
    WriteBytes(folder.file(QStringLiteral("p.jpg")), encode(photo, "jpeg"));
    const auto picture = CollagePicture::Read(folder.file(QStringLiteral("p.jpg")));
    EXPECT_EQ(picture->size(), QSize(1200, 900));
    const QImage decoded = DecodeImage(folder.file(QStringLiteral("p.jpg"))).convertToFormat(QImage::Format_RGB32);
    // Reduced (DCT 1/2, then area averaging), enlarged, and a clip hanging off every side.
    for (const QSize target : {QSize(520, 390), QSize(1500, 1125)}) {
        const QRect clip(target.width() / 5, target.height() / 6, target.width() / 2, target.height() / 3);
        const QImage ours = render(*picture, target, clip);
        ClipResampler reference(decoded.size(), target, clip);
        const QRect from = reference.sourceRect();
        const QImage expected = reference.run([&](int y, quint32* line) {
            std::memcpy(line, decoded.constScanLine(y) + from.left() * 4, size_t(from.width()) * 4);
        });
        EXPECT_LT(meanDifference(ours, expected), 2.5) << target.width();
    }
}

TEST(CollagePicture, OtherFormatsAndTurnedJpegsComeThroughTheUsualDecoders)
{
    TempFolder folder;
    QImage picture = FlatImage(60, 40, qRgb(0, 0, 255));
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 30; ++x)
            picture.setPixel(x, y, qRgb(255, 0, 0));
    WriteBytes(folder.file(QStringLiteral("p.png")), encode(picture, "png"));
    WriteBytes(folder.file(QStringLiteral("t.jpg")), encode(picture, "jpeg", QImageIOHandler::TransformationRotate90));
    const auto png = CollagePicture::Read(folder.file(QStringLiteral("p.png")));
    EXPECT_EQ(png->size(), QSize(60, 40));
    const QImage half = render(*png, QSize(30, 20), QRect(0, 0, 30, 20));
    EXPECT_EQ(half.pixel(2, 10), qRgb(255, 0, 0));
    EXPECT_EQ(half.pixel(27, 10), qRgb(0, 0, 255));
    // A grey JPEG streams as colour.
    WriteBytes(folder.file(QStringLiteral("g.jpg")), encode(FlatImage(64, 48, qRgb(90, 90, 90)).convertToFormat(QImage::Format_Grayscale8), "jpeg"));
    const auto grey = CollagePicture::Read(folder.file(QStringLiteral("g.jpg")));
    const QRgb shade = render(*grey, QSize(32, 24), QRect(8, 8, 8, 8)).pixel(4, 4);
    EXPECT_NEAR(qRed(shade), 90, 3);
    EXPECT_EQ(qRed(shade), qBlue(shade));
    // A format only GraphicsMagick reads, whose size is known only by decoding it.
    WriteBytes(folder.file(QStringLiteral("p.pcx")), test::EncodeWithMagick(picture, "PCX"));
    const auto pcx = CollagePicture::Read(folder.file(QStringLiteral("p.pcx")));
    EXPECT_EQ(pcx->size(), QSize(60, 40));
    EXPECT_EQ(pcx->heldBytes(), 0) << "its pixels are not kept between uses";
    EXPECT_EQ(render(*pcx, QSize(120, 80), QRect(100, 40, 20, 40)).pixel(10, 20), qRgb(0, 0, 255));
    // Stored sideways with an orientation: shown upright, red (the left half) on top.
    const auto turned = CollagePicture::Read(folder.file(QStringLiteral("t.jpg")));
    ASSERT_EQ(turned->size(), QSize(40, 60));
    const QImage upright = render(*turned, QSize(40, 60), QRect(0, 0, 40, 60));
    EXPECT_GT(qRed(upright.pixel(20, 5)), 200);
    EXPECT_GT(qBlue(upright.pixel(20, 55)), 200);
}

TEST(CollagePicture, AFileCutShortFailsEvenWhereItDoesNotShow)
{
    TempFolder folder;
    const QByteArray whole = encode(PhotoLikeImage(640, 480, 8), "jpeg");
    WriteBytes(folder.file(QStringLiteral("cut.jpg")), whole.left(whole.size() * 2 / 3));
    const auto picture = CollagePicture::Read(folder.file(QStringLiteral("cut.jpg")));
    EXPECT_EQ(picture->size(), QSize(640, 480)) << "the header is whole";
    // Only the top rows show: the missing bottom is still noticed.
    try {
        render(*picture, QSize(640, 480), QRect(0, 0, 640, 40));
        ADD_FAILURE() << "no failure";
    } catch (const Failure& failure) {
        EXPECT_EQ(failure.code(), ErrorCode::InvalidPicture);
        EXPECT_TRUE(failure.text().contains(QStringLiteral("cut.jpg")));
    }
    EXPECT_THROW(picture->check(), Failure);
    // The whole file passes both ways.
    WriteBytes(folder.file(QStringLiteral("whole.jpg")), whole);
    const auto good = CollagePicture::Read(folder.file(QStringLiteral("whole.jpg")));
    EXPECT_NO_THROW(good->check());
    EXPECT_NO_THROW(render(*good, QSize(640, 480), QRect(0, 0, 640, 40)));
}

TEST(CollagePicture, UnreadableFilesFailWhenRead)
{
    TempFolder folder;
    WriteBytes(folder.file(QStringLiteral("empty.jpg")), {});
    WriteBytes(folder.file(QStringLiteral("text.png")), "not a picture at all");
    WriteBytes(folder.file(QStringLiteral("header.jpg")), QByteArray("\xff\xd8\xff\xe0\x00\x10JFIF", 10));
    for (const char* name : {"empty.jpg", "text.png", "header.jpg", "missing.jpg"})
        EXPECT_THROW(CollagePicture::Read(folder.file(QString::fromLatin1(name))), Failure) << name;
}

TEST(CollagePicture, ContentOfAnotherFormatThanItsNameIsNotMeasured)
{
    // Only the formats the name allows may tell a size, as only they may be decoded.
    TempFolder folder;
    WriteBytes(folder.file(QStringLiteral("drawing.png")),
               "<?xml version=\"1.0\"?>\n<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"37\" "
               "height=\"23\"><rect width=\"37\" height=\"23\" fill=\"red\"/></svg>\n");
    WriteBytes(folder.file(QStringLiteral("tiff.jpg")), encode(FlatImage(37, 23, 0xff204080), "TIFF"));
    WriteBytes(folder.file(QStringLiteral("png.tga")), encode(FlatImage(37, 23, 0xff204080), "PNG"));
    for (const char* name : {"drawing.png", "tiff.jpg"})
        EXPECT_THROW(CollagePicture::Read(folder.file(QString::fromLatin1(name))), Failure) << name;
    EXPECT_EQ(CollagePicture::Read(folder.file(QStringLiteral("png.tga")))->size(), QSize(37, 23));
}

} // namespace
} // namespace velmora
