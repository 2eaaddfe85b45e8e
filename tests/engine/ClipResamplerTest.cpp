#include "engine/ClipResampler.h"
#include "engine/JpegReader.h"
#include "tests/support/TestImages.h"

#include <QPainter>

#include <gtest/gtest.h>

#include <cstring>

namespace velmora {
namespace {

using test::FlatImage;
using test::PhotoLikeImage;

QImage resample(const QImage& source, QSize target, QRect clip)
{
    const QImage rgb = source.convertToFormat(QImage::Format_RGB32);
    ClipResampler resampler(rgb.size(), target, clip);
    const QRect from = resampler.sourceRect();
    int expected = from.top();
    return resampler.run([&](int y, quint32* line) {
        EXPECT_EQ(y, expected++) << "rows in order, each once";
        std::memcpy(line, rgb.constScanLine(y) + from.left() * 4, size_t(from.width()) * 4);
    });
}

TEST(JpegScale, PowersOfTwoThatCoverTheTarget)
{
    const QSize photo(4000, 3000);
    EXPECT_EQ(JpegScaleFor(photo, QSize(500, 375)), 1);
    EXPECT_EQ(JpegScaleFor(photo, QSize(501, 375)), 2);
    EXPECT_EQ(JpegScaleFor(photo, QSize(1000, 751)), 4);
    EXPECT_EQ(JpegScaleFor(photo, QSize(1500, 1125)), 4) << "not 3/8";
    EXPECT_EQ(JpegScaleFor(photo, QSize(2001, 1500)), 8);
    EXPECT_EQ(JpegScaleFor(photo, QSize(3500, 2625)), 8) << "not 7/8";
    EXPECT_EQ(JpegScaleFor(photo, QSize(6000, 4500)), 8) << "enlarged from the whole picture";
    EXPECT_EQ(JpegScaledSize(QSize(4001, 3001), 1), QSize(501, 376)) << "rounded up as libjpeg does";
}

TEST(ClipResampler, AreasAverageAndIdentityCopies)
{
    QImage row(4, 1, QImage::Format_RGB32);
    const int values[] = {0, 100, 200, 255};
    for (int x = 0; x < 4; ++x)
        row.setPixel(x, 0, qRgb(values[x], values[x], values[x]));
    const QImage halved = resample(row, QSize(2, 1), QRect(0, 0, 2, 1));
    EXPECT_EQ(qRed(halved.pixel(0, 0)), 50);
    EXPECT_EQ(qRed(halved.pixel(1, 0)), 228);
    const QImage same = resample(row, QSize(4, 1), QRect(1, 0, 2, 1));
    EXPECT_EQ(qRed(same.pixel(0, 0)), 100);
    EXPECT_EQ(qRed(same.pixel(1, 0)), 200);
}

TEST(ClipResampler, FlatColourStaysFlatShrinkingAndGrowing)
{
    const QImage flat = FlatImage(37, 23, qRgb(12, 200, 99));
    for (const QSize target : {QSize(5, 3), QSize(36, 22), QSize(300, 200), QSize(38, 7), QSize(1, 1)}) {
        const QImage result = resample(flat, target, QRect(QPoint(0, 0), target));
        ASSERT_EQ(result.size(), target);
        for (int y = 0; y < target.height(); ++y)
            for (int x = 0; x < target.width(); ++x)
                ASSERT_EQ(result.pixel(x, y), qRgb(12, 200, 99)) << target.width() << "x" << target.height();
    }
}

TEST(ClipResampler, AClipIsThatPartOfTheWholeResult)
{
    const QImage photo = PhotoLikeImage(301, 203, 5);
    for (const QSize target : {QSize(97, 61), QSize(640, 433)}) {
        const QImage whole = resample(photo, target, QRect(QPoint(0, 0), target));
        const QRect clip(target.width() / 3, target.height() / 4, target.width() / 2, target.height() / 2);
        EXPECT_EQ(resample(photo, target, clip), whole.copy(clip)) << target.width();
    }
}

TEST(ClipResampler, CloseToQtsSmoothScaling)
{
    const QImage photo = PhotoLikeImage(400, 300, 9);
    for (const QSize target : {QSize(150, 113), QSize(700, 525)}) {
        const QImage ours = resample(photo, target, QRect(QPoint(0, 0), target));
        const QImage qt = photo.scaled(target, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                              .convertToFormat(QImage::Format_RGB32);
        double difference = 0;
        for (int y = 0; y < target.height(); ++y)
            for (int x = 0; x < target.width(); ++x)
                difference += std::abs(qGreen(ours.pixel(x, y)) - qGreen(qt.pixel(x, y)));
        EXPECT_LT(difference / (target.width() * target.height()), 3.0) << target.width();
    }
}

} // namespace
} // namespace velmora
