#include "engine/BmpWriter.h"
#include "core/Failure.h"
#include "engine/RasterImage.h"
#include "tests/support/TestImages.h"
#include "tests/support/TestSupport.h"

#include <QDir>
#include <QFileInfo>
#include <QtEndian>

#include <gtest/gtest.h>

namespace velmora {
namespace {

using test::PhotoLikeImage;
using test::ReadBytes;
using test::TempFolder;

quint32 word(const QByteArray& bytes, int at)
{
    return qFromLittleEndian<quint32>(bytes.constData() + at);
}
quint16 half(const QByteArray& bytes, int at)
{
    return qFromLittleEndian<quint16>(bytes.constData() + at);
}

TEST(SaveBmp24, WritesA24BitBitmapThatReadsBackExactly)
{
    // The last is written in several chunks of rows, the final one short.
    for (const QSize size : {QSize(1, 1), QSize(3, 2), QSize(5, 7), QSize(64, 48), QSize(1999, 1501)}) {
        SCOPED_TRACE(size.width());
        TempFolder folder;
        const QImage photo = PhotoLikeImage(size.width(), size.height(), 4);
        const QString path = folder.file("$$WALL$$.BMP");
        SaveBmp24(photo, path);
        const QByteArray bytes = ReadBytes(path);
        const int rowBytes = (size.width() * 3 + 3) / 4 * 4;
        ASSERT_EQ(bytes.size(), 54 + rowBytes * size.height());
        EXPECT_EQ(bytes.left(2), QByteArray("BM"));
        EXPECT_EQ(word(bytes, 2), quint32(bytes.size()));
        EXPECT_EQ(half(bytes, 28), 24);
        EXPECT_EQ(word(bytes, 30), 0u); // uncompressed
        const QImage back(path);
        ASSERT_EQ(back.size(), size);
        EXPECT_EQ(back.convertToFormat(QImage::Format_RGB32), photo);
        EXPECT_EQ(bytes, EncodeBmp24(photo));
    }
}

TEST(SaveBmp24, ConvertsEveryDepthToTrueColour)
{
    TempFolder folder;
    const QImage photo = PhotoLikeImage(20, 10, 5);
    for (const QImage::Format format :
         {QImage::Format_Grayscale8, QImage::Format_Indexed8, QImage::Format_ARGB32}) {
        const QString path = folder.file("depth.bmp");
        SaveBmp24(photo.convertToFormat(format), path);
        EXPECT_EQ(half(ReadBytes(path), 28), 24) << format;
    }
}

TEST(SaveBmp24, AFailedWriteKeepsTheOldFileAndLeavesNoOther)
{
    TempFolder folder;
    const QString path = folder.file("$$WALL$$.BMP");
    SaveBmp24(PhotoLikeImage(8, 8, 1), path);
    const QByteArray before = ReadBytes(path);
    EXPECT_THROW(SaveBmp24(QImage(), path), Failure); // nothing to save
    EXPECT_EQ(ReadBytes(path), before);
    EXPECT_THROW(SaveBmp24(PhotoLikeImage(8, 8, 1), folder.file("missing/$$WALL$$.BMP")), Failure);
    // Writing again replaces the file; no temporary file is left beside it.
    SaveBmp24(PhotoLikeImage(16, 4, 2), path);
    EXPECT_NE(ReadBytes(path), before);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{QStringLiteral("$$WALL$$.BMP")});
}

TEST(SaveBmp24, TheBitmapIsTheOwnersAlone)
{
    // A copy of someone's photo: others on the machine must not read it, whatever the umask.
    TempFolder folder;
    const QString path = folder.file("$$WALL$$.BMP");
    SaveBmp24(PhotoLikeImage(4, 4, 1), path);
    EXPECT_EQ(QFileInfo(path).permissions() & 0xf0ff, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}

TEST(RasterImage, OffersTheComposingOperations)
{
    RasterImage image;
    image.createBlankImage(40, 30);
    EXPECT_EQ(image.imageBitsPerPixel(), 24);
    EXPECT_EQ(image.image().pixel(0, 0), qRgb(0, 0, 0));
    image.fillImage(QColor(10, 20, 30));
    EXPECT_EQ(image.image().pixel(39, 29), qRgb(10, 20, 30));

    QImage piece(10, 10, QImage::Format_RGB32);
    piece.fill(qRgb(200, 0, 0));
    image.combineImage(35, 25, 10, 10, piece); // clipped at the edge
    EXPECT_EQ(image.image().pixel(39, 29), qRgb(200, 0, 0));
    EXPECT_EQ(image.image().pixel(34, 29), qRgb(10, 20, 30));

    QImage tile(4, 4, QImage::Format_RGB32);
    tile.fill(qRgb(0, 99, 0));
    tile.setPixel(0, 0, qRgb(1, 2, 3));
    image.layBackground(tile);
    EXPECT_EQ(image.image().pixel(0, 0), qRgb(1, 2, 3));
    EXPECT_EQ(image.image().pixel(36, 28), qRgb(1, 2, 3));
    EXPECT_EQ(image.image().pixel(37, 28), qRgb(0, 99, 0));

    image.resizeImage(80, 15);
    EXPECT_EQ(image.image().size(), QSize(80, 15));
    EXPECT_THROW(image.resizeImage(0, 10), Failure);
    EXPECT_THROW(image.resizeImage(60000, 60000), Failure);
    EXPECT_THROW(image.createBlankImage(-1, 5), Failure);
}

TEST(RasterImage, TellsItsListenerOfChanges)
{
    RasterImage image;
    int changes = 0;
    image.setChangeListener([&] { ++changes; });
    image.createBlankImage(4, 4);
    image.setPreviewGeometry(QRectF(1, 2, 3, 4));
    image.fitPreview();
    EXPECT_EQ(changes, 3);
    EXPECT_EQ(image.preview().sourceRect, QRect(0, 0, 4, 4));
}

} // namespace
} // namespace velmora
