#include "windows/thumbnails/ThumbnailFill.h"
#include "core/FileKinds.h"
#include "engine/DecodeBudget.h"
#include "tests/support/ClaimingPng.h"
#include "tests/support/SpecialFiles.h"
#include "tests/support/TestImages.h"
#include "tests/support/TestSupport.h"
#include "windows/thumbnails/InOrderRelease.h"

#include <QDir>
#include <QThread>

#include <gtest/gtest.h>

#include <atomic>
#include <stdexcept>

using namespace velmora;
using namespace velmora::test;

namespace {

QStringList captions(const QList<ThumbnailItem>& items)
{
    QStringList names;
    for (const ThumbnailItem& item : items)
        names << item.name;
    return names;
}

} // namespace

TEST(InOrderRelease, HandsOnRunsInTheirOrderAndSkipsTheEmpty)
{
    InOrderRelease<int> release(5);
    EXPECT_TRUE(release.finish(2, 20).isEmpty());
    EXPECT_TRUE(release.finish(1, std::nullopt).isEmpty());
    EXPECT_EQ(release.finish(0, 0), (QList<int>{0, 20}));
    EXPECT_TRUE(release.finish(0, 99).isEmpty()) << "a position counts once";
    EXPECT_TRUE(release.finish(7, 70).isEmpty()) << "out of range";
    EXPECT_EQ(release.finish(3, 30), QList<int>{30});
    EXPECT_FALSE(release.complete());
    EXPECT_EQ(release.finish(4, 40), QList<int>{40});
    EXPECT_TRUE(release.complete());
}

TEST(ThumbnailFill, ListsVisibleImageFilesInNameOrder)
{
    BuildFileKindTable();
    TempFolder folder;
    for (const char* name : {"b.png", "A.jpg", "a.jpg", "c.GIF", "d.psp", "e.djvu", "f.txt", "Z.bmp",
                             "10.jpg", "2.jpg", ".hidden.jpg"})
        WriteBytes(folder.file(QString::fromLatin1(name)), "x");
    QDir(folder.path()).mkdir(QStringLiteral("sub.jpg"));
    FifoTrap trap(folder.file(QStringLiteral("pipe.jpg")));
    ASSERT_TRUE(trap.made());
    ASSERT_TRUE(MakeSocketFile(folder.file(QStringLiteral("socket.png"))));
    EXPECT_EQ(ThumbnailFileNames(folder.path()),
              (QStringList{"10.jpg", "2.jpg", "A.jpg", "a.jpg", "b.png", "c.GIF", "Z.bmp"}));
    EXPECT_TRUE(ThumbnailFileNames(folder.file(QStringLiteral("missing/"))).isEmpty());
}

TEST(ThumbnailFill, DeliversShowablePicturesInOrderWhateverOrderTheyFinishIn)
{
    BuildFileKindTable();
    TempFolder folder;
    QStringList expected;
    for (int i = 0; i < 40; ++i) {
        const QString name = QStringLiteral("p%1.png").arg(i, 2, 10, QChar(u'0'));
        WriteBytes(folder.file(name), "x");
        if (i % 7 != 3 && i % 11 != 5)
            expected << name;
    }
    ThumbnailFillRequest request;
    request.folder = folder.path();
    request.make = [&](const ThumbnailSource& source, const ThumbnailCache* cache, int side) {
        EXPECT_EQ(cache, nullptr);
        EXPECT_EQ(side, 150);
        const int number = source.path.mid(source.path.size() - 6, 2).toInt();
        // Later files finish sooner, so that results arrive out of order.
        QThread::usleep(unsigned(40 - number) * 200);
        if (number % 11 == 5)
            throw std::runtime_error("a failure nobody foresaw");
        return number % 7 == 3 ? QImage() : FlatImage(4, 3, qRgb(number, 0, 0));
    };
    QList<ThumbnailItem> delivered;
    int calls = 0;
    const int count = FillThumbnails(
        request, [] { return false; },
        [&](QList<ThumbnailItem> items) {
            ++calls;
            delivered.append(items);
        });
    EXPECT_EQ(count, expected.size());
    EXPECT_EQ(captions(delivered), expected);
    for (const ThumbnailItem& item : delivered)
        EXPECT_EQ(qRed(item.picture.pixel(0, 0)), item.name.mid(1, 2).toInt());
    EXPECT_GE(calls, 1);
}

TEST(ThumbnailFill, StopsTakingFilesWhenCancelled)
{
    BuildFileKindTable();
    TempFolder folder;
    for (int i = 0; i < 50; ++i)
        WriteBytes(folder.file(QStringLiteral("%1.jpg").arg(i)), "x");
    ThumbnailFillRequest request;
    request.folder = folder.path();
    std::atomic<int> made{0};
    std::atomic<bool> canceled{false};
    request.make = [&](const ThumbnailSource&, const ThumbnailCache*, int) {
        if (++made == 5)
            canceled = true;
        return FlatImage(2, 2, 0xff000000);
    };
    int delivered = 0;
    FillThumbnails(
        request, [&] { return canceled.load(); },
        [&](QList<ThumbnailItem> items) { delivered += int(items.size()); });
    EXPECT_LT(made.load(), 10);
    EXPECT_LE(delivered, 5);
}

TEST(ThumbnailFill, RealPicturesFillTheCacheButPicturesInsideItAreNotThumbnailed)
{
    BuildFileKindTable();
    TempFolder folder;
    TempFolder cacheHome;
    const QString root = cacheHome.path() + QStringLiteral("thumbnails/");
    FlatImage(300, 200, 0xff2040a0).save(folder.file(QStringLiteral("a.png")));
    PhotoLikeImage(640, 480, 2).save(folder.file(QStringLiteral("b.jpg")), "JPG", 90);
    WriteBytes(folder.file(QStringLiteral("c.jpg")), "not a picture");
    ThumbnailFillRequest request;
    request.folder = folder.path();
    request.cacheRoot = root;
    request.creator = QStringLiteral("velmora-test");
    QList<ThumbnailItem> delivered;
    FillThumbnails(
        request, [] { return false; }, [&](QList<ThumbnailItem> items) { delivered.append(items); });
    EXPECT_EQ(captions(delivered), (QStringList{"a.png", "b.jpg"}));
    ASSERT_EQ(delivered.size(), 2);
    EXPECT_EQ(delivered[0].picture.size(), QSize(150, 100));
    EXPECT_EQ(delivered[1].picture.size(), QSize(150, 113));
    const QDir large(root + QStringLiteral("large"));
    EXPECT_EQ(large.entryList(QDir::Files).size(), 2);
    EXPECT_EQ(QDir(root + QStringLiteral("fail/velmora-test")).entryList(QDir::Files).size(), 1);

    // Browsing the cache itself shows its pictures but adds nothing to it.
    request.folder = large.path() + u'/';
    delivered.clear();
    FillThumbnails(
        request, [] { return false; }, [&](QList<ThumbnailItem> items) { delivered.append(items); });
    EXPECT_EQ(delivered.size(), 2);
    EXPECT_EQ(large.entryList(QDir::Files).size(), 2);
}

TEST(ThumbnailFill, TheFirstScreenfulsCacheEntriesAreWrittenOnceItIsHandedOnOrTheFillEnds)
{
    BuildFileKindTable();
    TempFolder folder;
    TempFolder cacheHome;
    const QString root = cacheHome.path() + QStringLiteral("thumbnails/");
    const QDir large(root + QStringLiteral("large"));
    for (int i = 0; i < 6; ++i)
        PhotoLikeImage(320, 240, quint32(i)).save(folder.file(QStringLiteral("%1.jpg").arg(i)), "JPG", 90);
    ThumbnailFillRequest request;
    request.folder = folder.path();
    request.cacheRoot = root;
    request.creator = QStringLiteral("velmora-test");
    request.firstScreen = 6;
    int delivered = 0;
    int entriesSeenWhileDelivering = 0;
    FillThumbnails(
        request, [] { return false; },
        [&](QList<ThumbnailItem> items) {
            delivered += int(items.size());
            entriesSeenWhileDelivering += int(large.entryList(QDir::Files).size());
        });
    EXPECT_EQ(delivered, 6);
    EXPECT_EQ(entriesSeenWhileDelivering, 0) << "no cache writing before the screenful is out";
    EXPECT_EQ(large.entryList(QDir::Files).size(), 6);

    // Cancelled before the screenful is complete, the entries of the pictures made are still written.
    // The fill asks once before it starts and once per file it takes, so cancelling from the third
    // question on lets at least one file and at most two be taken, however the threads run.
    QDir(root).removeRecursively();
    std::atomic<int> questions{0};
    FillThumbnails(
        request, [&] { return ++questions > 2; }, [](QList<ThumbnailItem>) {});
    const qsizetype written = large.entryList(QDir::Files).size();
    EXPECT_GE(written, 1);
    EXPECT_LE(written, 2);
}

TEST(ThumbnailFill, PicturesHugeOnceDecodedAreNeverDecodedTwoAtATime)
{
    BuildFileKindTable();
    TempFolder folder;
    // Small files, 48 MB each once decoded: interlaced ones are decoded whole.
    const QByteArray png = ClaimingPng({4000, 3000, 2, true});
    for (int i = 0; i < 4; ++i)
        WriteBytes(folder.file(QStringLiteral("big%1.png").arg(i)), png);
    DecodeBudget budget(64 << 20);
    ThumbnailFillRequest request;
    request.folder = folder.path();
    request.budget = &budget;
    QList<ThumbnailItem> delivered;
    FillThumbnails(
        request, [] { return false; }, [&](QList<ThumbnailItem> items) { delivered.append(items); });
    ASSERT_EQ(delivered.size(), 4);
    for (const ThumbnailItem& item : delivered)
        EXPECT_EQ(item.picture.width(), 150);
    EXPECT_EQ(budget.peakShares(), 1);
    EXPECT_EQ(budget.peakBytes(), qint64(4000) * 3000 * 4);
}
