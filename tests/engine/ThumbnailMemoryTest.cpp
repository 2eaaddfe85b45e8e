// The memory thumbnail decodes hold: the shared budget, and the share each kind of picture takes.
#include "core/Failure.h"
#include "engine/DecodeBudget.h"
#include "engine/ImageDecoder.h"
#include "engine/thumbnails/ThumbnailPicture.h"
#include "tests/support/ClaimingPng.h"
#include "tests/support/TestImages.h"

#include <QBuffer>

#include <gtest/gtest.h>

#include <atomic>
#include <optional>
#include <thread>

namespace velmora {
namespace {

using test::ClaimingPng;
using test::PngShape;

void waitForWaiting(const DecodeBudget& budget, int count)
{
    while (budget.waiting() != count)
        std::this_thread::yield();
}

TEST(DecodeBudget, SharesComeInTurnAndOneAloneAlwaysGoes)
{
    DecodeBudget budget(100);
    std::optional<DecodeBudget::Share> first = budget.take(60);
    std::atomic<bool> secondGot{false};
    std::atomic<bool> thirdGot{false};
    std::thread second([&] {
        const DecodeBudget::Share share = budget.take(60);
        secondGot = true;
        waitForWaiting(budget, 0);
    });
    waitForWaiting(budget, 1);
    // This one would fit beside the first, but waits behind the second, which came before it.
    std::thread third([&] {
        const DecodeBudget::Share share = budget.take(10);
        thirdGot = true;
    });
    waitForWaiting(budget, 2);
    EXPECT_FALSE(secondGot);
    EXPECT_FALSE(thirdGot);
    first.reset();
    second.join();
    third.join();
    EXPECT_TRUE(secondGot && thirdGot);
    EXPECT_EQ(budget.peakBytes(), 70) << "the second and the third together";
    EXPECT_EQ(budget.peakShares(), 2);

    // More than the whole budget, with nothing held: given at once.
    const DecodeBudget::Share huge = budget.take(500);
    EXPECT_EQ(huge.bytes(), 500);
    EXPECT_EQ(budget.peakBytes(), 500);
}

QImage decoded(const QByteArray& bytes, DecodeBudget& budget, const char* extension = "png")
{
    return DecodeThumbnailPicture(bytes, QString::fromLatin1(extension), 256, QStringLiteral("/p/x.png"),
                                  &budget);
}

TEST(ThumbnailMemory, AnOpaquePngIsReadReducedAndOthersAreChargedTheirWholeSize)
{
    constexpr int Width = 3000;
    constexpr int Height = 1000;
    constexpr qint64 Whole = qint64(Width) * Height * 4;
    struct Case {
        const char* what;
        PngShape shape;
        bool reduced;
    };
    for (const Case& c :
         {Case{"colour", {Width, Height, 2}, true}, Case{"grey", {Width, Height, 0}, true},
          Case{"palette", {Width, Height, 3}, true}, Case{"interlaced", {Width, Height, 2, true}, false},
          Case{"alpha", {Width, Height, 6}, false},
          Case{"palette with transparency", {Width, Height, 3, false, true}, false}}) {
        const QByteArray png = ClaimingPng(c.shape);
        ASSERT_LT(png.size(), 200 * 1024) << c.what << ": a small file";
        DecodeBudget budget(ThumbnailDecodeBytes);
        const QImage picture = decoded(png, budget);
        EXPECT_EQ(picture.size(), QSize(256, 85)) << c.what;
        EXPECT_EQ(qGray(picture.pixel(128, 40)), 0) << c.what;
        if (c.reduced)
            EXPECT_LT(budget.peakBytes(), 1 << 20) << c.what;
        else
            EXPECT_EQ(budget.peakBytes(), Whole) << c.what;
    }
}

TEST(ThumbnailMemory, AReducedPngLooksLikeTheWholePictureFitted)
{
    const QImage photo = test::PhotoLikeImage(1200, 800, 3);
    for (const QImage::Format format :
         {QImage::Format_RGB32, QImage::Format_Grayscale8, QImage::Format_Indexed8, QImage::Format_RGBX64,
          QImage::Format_Grayscale16}) {
        const QImage stored = photo.convertToFormat(format);
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        ASSERT_TRUE(stored.save(&buffer, "PNG"));
        DecodeBudget budget(ThumbnailDecodeBytes);
        const QImage picture = decoded(png, budget);
        ASSERT_EQ(picture.size(), QSize(256, 171)) << format;
        EXPECT_LT(test::MeanChannelDifference(picture, FitThumbnail(QImage::fromData(png, "PNG"), 256)), 1.5)
            << format;
        EXPECT_LT(budget.peakBytes(), 1 << 20) << format;
        try {
            decoded(png.left(png.size() / 2), budget);
            ADD_FAILURE() << format << ": a file cut short was shown";
        } catch (const Failure& failure) {
            EXPECT_EQ(failure.code(), ErrorCode::InvalidPicture) << format;
        }
    }
}

TEST(ThumbnailMemory, JpegsAreChargedAtTheirDctScale)
{
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(test::PhotoLikeImage(2400, 1600, 5).save(&buffer, "JPG", 90));
    DecodeBudget budget(ThumbnailDecodeBytes);
    EXPECT_EQ(decoded(jpeg, budget, "jpg").size(), QSize(256, 171));
    EXPECT_EQ(budget.peakBytes(), qint64(300) * 200 * 4) << "decoded at an eighth";
}

TEST(ThumbnailMemory, APictureWhoseHeaderTellsNoSizeIsChargedTheLargestAllowed)
{
    // A format Qt has no reader for, read by GraphicsMagick, which tells its size only when it decodes.
    const QByteArray pcx = test::EncodeWithMagick(test::FlatImage(300, 150, 0xff204060), "PCX");
    DecodeBudget budget(ThumbnailDecodeBytes);
    EXPECT_EQ(decoded(pcx, budget, "pcx").size(), QSize(256, 128));
    EXPECT_EQ(budget.peakBytes(), MaxDecodedPixels * 4);
}

} // namespace
} // namespace velmora
