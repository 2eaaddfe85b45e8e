#include "core/Failure.h"
#include "core/FileKinds.h"
#include "engine/ImageDecoder.h"
#include "tests/support/TestImages.h"
#include "tests/support/TestSupport.h"

#include <QBuffer>

#include <gtest/gtest.h>

namespace velmora {
namespace {

using test::PhotoLikeImage;
using test::TempFolder;
using test::WriteBytes;

QByteArray encodeWithQt(const QImage& image, const char* format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    EXPECT_TRUE(image.save(&buffer, format, 90));
    return bytes;
}

// A real small JPEG whose frame header is rewritten to claim a huge picture.
QByteArray jpegBomb(quint16 width, quint16 height)
{
    QByteArray jpeg = encodeWithQt(PhotoLikeImage(16, 16, 1), "JPG");
    const qsizetype sof = jpeg.indexOf(QByteArray("\xff\xc0", 2));
    EXPECT_GT(sof, 0);
    jpeg[sof + 5] = static_cast<char>(height >> 8);
    jpeg[sof + 6] = static_cast<char>(height);
    jpeg[sof + 7] = static_cast<char>(width >> 8);
    jpeg[sof + 8] = static_cast<char>(width);
    return jpeg;
}

QByteArray sunRasterBomb()
{
    QByteArray header;
    for (quint32 word : {0x59a66a95u, 60000u, 60000u, 24u, 0u, 1u, 0u, 0u})
        header += test::BigEndian(word);
    return header + QByteArray(64, '\x7f');
}

QByteArray randomBytes(int count)
{
    const QImage noise = test::NoiseImage(count / 4 + 1, 1, 5);
    return QByteArray(reinterpret_cast<const char*>(noise.constBits()), count);
}

class DecoderTest : public ::testing::Test {
protected:
    void SetUp() override { BuildFileKindTable(); }

    QString write(const QString& name, const QByteArray& bytes)
    {
        const QString path = folder.file(name);
        WriteBytes(path, bytes);
        return path;
    }

    TempFolder folder;
    const QImage photo = PhotoLikeImage(300, 200, 42);
};

TEST_F(DecoderTest, LoadsEveryFormatItNames)
{
    struct Case {
        const char* name;
        QByteArray bytes;
    };
    const std::vector<Case> cases = {
        {"photo.jpg", encodeWithQt(photo, "JPG")},
        {"photo.jpe", encodeWithQt(photo, "JPG")},
        {"photo.png", encodeWithQt(photo, "PNG")},
        {"photo.bmp", encodeWithQt(photo, "BMP")},
        {"photo.tif", encodeWithQt(photo, "TIFF")},
        {"photo.tga", test::EncodeWithMagick(photo, "TGA")},
        {"photo.gif", test::EncodeWithMagick(photo, "GIF")},
        {"photo.pcx", test::EncodeWithMagick(photo, "PCX")},
        {"photo.ras", test::EncodeWithMagick(photo, "SUN")},
        {"photo.sgi", test::EncodeWithMagick(photo, "SGI")},
        {"photo.xwd", test::EncodeWithMagick(photo, "XWD")},
        {"photo.pct", test::EncodeWithMagick(photo, "PICT")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QImage image;
        ASSERT_NO_THROW(image = DecodeImage(write(c.name, c.bytes)));
        EXPECT_EQ(image.size(), photo.size());
        // Lossy and palette formats change pixels a little; the picture stays recognisable.
        const QRgb expected = photo.pixel(150, 20);
        const QRgb got = image.pixel(150, 20);
        EXPECT_NEAR(qRed(got), qRed(expected), 40);
        EXPECT_NEAR(qGreen(got), qGreen(expected), 40);
        EXPECT_NEAR(qBlue(got), qBlue(expected), 40);
    }
}

TEST_F(DecoderTest, ExtensionListsSplitTheImageKindsBetweenTheDecoders)
{
    const QStringList qt = QtReadableExtensions();
    const QStringList magick = MagickReadableExtensions();
    for (const char* extension : {"JPG", "JPE", "JPEG", "PNG", "BMP", "GIF", "TIF", "TIFF", "TGA"})
        EXPECT_TRUE(qt.contains(QString::fromLatin1(extension))) << extension;
    for (const char* extension : {"PCX", "RAS", "PCT", "SGI", "XWD"})
        EXPECT_TRUE(magick.contains(QString::fromLatin1(extension))) << extension;
    for (const QString& extension : magick)
        EXPECT_FALSE(qt.contains(extension)) << extension.toStdString();
    EXPECT_FALSE(magick.contains(QStringLiteral("EPS"))); // no PostScript interpreter on hostile files
}

TEST_F(DecoderTest, TakesTheContentOverAMisleadingExtension)
{
    EXPECT_EQ(DecodeImage(write("png-with-jpeg-extension.jpg", encodeWithQt(photo, "PNG"))).size(),
              photo.size());
    EXPECT_EQ(DecodeImage(write("jpeg-with-png-extension.png", encodeWithQt(photo, "JPG"))).size(),
              photo.size());
}

TEST_F(DecoderTest, ScalesDownToTheRequestedBoxKeepingTheShape)
{
    const QImage big = PhotoLikeImage(1600, 1200, 3);
    for (const char* format : {"JPG", "PNG"}) {
        SCOPED_TRACE(format);
        const QString path = write(QStringLiteral("big.") + format, encodeWithQt(big, format));
        EXPECT_EQ(DecodeImage(path, QSize(200, 200)).size(), QSize(200, 150));
        EXPECT_EQ(DecodeImage(path, QSize(1000, 300)).size(), QSize(400, 300));
        EXPECT_EQ(DecodeImage(path, QSize(4000, 4000)).size(), QSize(1600, 1200)); // never enlarged
        EXPECT_EQ(DecodeImage(path).size(), QSize(1600, 1200));
    }
    // DCT scaling still yields the picture, not noise.
    const QImage small = DecodeImage(folder.file("big.JPG"), QSize(200, 200));
    const QRgb expected =
        big.scaled(200, 150, Qt::IgnoreAspectRatio, Qt::SmoothTransformation).pixel(100, 10);
    EXPECT_NEAR(qRed(small.pixel(100, 10)), qRed(expected), 30);
}

struct BadFile {
    const char* name;
    QByteArray bytes;
    ErrorCode code;
};

TEST_F(DecoderTest, AJpegReadReducedMatchesTheWholePictureScaledAndOtherFormatsComeWhole)
{
    const QImage big = PhotoLikeImage(900, 600, 9);
    const QString jpeg = write(QStringLiteral("big.jpg"), encodeWithQt(big, "JPG"));
    const QImage whole = DecodeImage(jpeg);
    const auto toHalf = [](QSize stored) { return stored / 2; };

    const DecodedPicture reduced = DecodeImageReduced(jpeg, toHalf);
    EXPECT_EQ(reduced.storedSize, QSize(900, 600));
    ASSERT_EQ(reduced.image.size(), QSize(450, 300));
    const QImage scaled = whole.scaled(450, 300, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    EXPECT_LT(test::MeanChannelDifference(reduced.image, scaled), 2.0);

    // No size wanted: the picture whole, as DecodeImage gives it.
    const DecodedPicture kept = DecodeImageReduced(jpeg, [](QSize) { return QSize(); });
    EXPECT_EQ(kept.image, whole);

    const QString png = write(QStringLiteral("big.png"), encodeWithQt(big, "PNG"));
    const DecodedPicture other = DecodeImageReduced(png, toHalf);
    EXPECT_EQ(other.storedSize, QSize(900, 600));
    EXPECT_EQ(other.image.size(), QSize(900, 600)) << "only JPEGs are read reduced";

    const QString cut = write(QStringLiteral("cut.jpg"), encodeWithQt(big, "JPG").left(5000));
    EXPECT_THROW(DecodeImageReduced(cut, toHalf), Failure) << "a file cut short is refused, not grey-filled";
}

TEST_F(DecoderTest, RefusesBadFilesWithAClearMessage)
{
    const QByteArray jpeg = encodeWithQt(photo, "JPG");
    const QByteArray png = encodeWithQt(photo, "PNG");
    const QByteArray pcx = test::EncodeWithMagick(photo, "PCX");
    const std::vector<BadFile> corpus = {
        {"zero-byte.jpg", QByteArray(), ErrorCode::InvalidPicture},
        {"zero-byte.pcx", QByteArray(), ErrorCode::InvalidPicture},
        {"truncated.jpg", jpeg.left(jpeg.size() * 6 / 10), ErrorCode::InvalidPicture},
        {"truncated-header.jpg", jpeg.left(100), ErrorCode::InvalidPicture},
        {"truncated.png", png.left(png.size() / 2), ErrorCode::InvalidPicture},
        {"truncated.pcx", pcx.left(pcx.size() / 3), ErrorCode::InvalidPicture},
        {"text-named-as-image.jpg", "This is not a picture.\r\n", ErrorCode::InvalidPicture},
        {"text-named-as-image.pcx", "This is not a picture.\r\n", ErrorCode::InvalidPicture},
        {"random-bytes.png", randomBytes(4000), ErrorCode::InvalidPicture},
        {"bomb.png", test::PngBomb(60000, 60000), ErrorCode::OutOfMemory},
        {"bomb.jpg", jpegBomb(60000, 60000), ErrorCode::OutOfMemory},
        {"bomb-wide.png", test::PngBomb(40000, 2), ErrorCode::OutOfMemory},
    };
    for (const BadFile& bad : corpus) {
        SCOPED_TRACE(bad.name);
        const QString path = write(bad.name, bad.bytes);
        try {
            DecodeImage(path);
            ADD_FAILURE() << "decoded";
        } catch (const Failure& failure) {
            EXPECT_EQ(failure.code(), bad.code) << failure.text().toStdString();
            EXPECT_TRUE(failure.text().contains(path)) << failure.text().toStdString();
        }
        // A requested reduced size must not get around the checks.
        EXPECT_THROW(DecodeImage(path, QSize(100, 100)), Failure);
    }
}

TEST_F(DecoderTest, RefusesABombInAGraphicsMagickFormat)
{
    const QString path = write("bomb.ras", sunRasterBomb());
    try {
        DecodeImage(path);
        ADD_FAILURE() << "decoded";
    } catch (const Failure& failure) {
        EXPECT_TRUE(failure.code() == ErrorCode::OutOfMemory || failure.code() == ErrorCode::InvalidPicture);
        EXPECT_TRUE(failure.text().contains(path));
    }
}

TEST_F(DecoderTest, ABrokenTiffAfterACalsPictureIsRefusedNotFatal)
{
    // GraphicsMagick reads CALS through libtiff, whose error handlers are the whole process's. (The
    // picture comes from the fuzz seeds, whose first byte is the harness's: encoding one here would
    // go through libtiff too.)
    const QString cals = write(
        "fax.cal", test::ReadBytes(test::TestDataPath(QStringLiteral("fuzz/corpus/image/photo.cal"))).mid(1));
    EXPECT_FALSE(DecodeImage(cals).isNull());
    // A TIFF whose only directory cannot be read: libtiff reports an error while Qt reads it.
    const QString tiff =
        write("broken.tif",
              QByteArray("II*\0\x08\0\0\0\x02\0\x0f\x01\x02\0\x04\0\0\0Cam\x01\xff\xd8\xff\0\xe0\0\x10", 29));
    EXPECT_THROW(DecodeImage(tiff), Failure);
    EXPECT_FALSE(DecodeImage(cals).isNull());
    EXPECT_THROW(DecodeImage(tiff), Failure);
}

TEST_F(DecoderTest, NamesAMissingFileOrAFolder)
{
    try {
        DecodeImage(folder.file("missing.jpg"));
        ADD_FAILURE();
    } catch (const Failure& failure) {
        EXPECT_EQ(failure.code(), ErrorCode::FileNotFound);
    }
    EXPECT_THROW(DecodeImage(folder.path()), Failure);
}

TEST_F(DecoderTest, KeepsTheNativeDepth)
{
    EXPECT_EQ(
        DecodeImage(write("grey.png", encodeWithQt(photo.convertToFormat(QImage::Format_Grayscale8), "PNG")))
            .format(),
        QImage::Format_Grayscale8);
    EXPECT_EQ(
        DecodeImage(write("grey.jpg", encodeWithQt(photo.convertToFormat(QImage::Format_Grayscale8), "JPG")))
            .format(),
        QImage::Format_Grayscale8);
    EXPECT_TRUE(
        DecodeImage(write("alpha.png", encodeWithQt(photo.convertToFormat(QImage::Format_ARGB32), "PNG")))
            .hasAlphaChannel());
}

} // namespace
} // namespace velmora
