#include "engine/thumbnails/MakeThumbnail.h"
#include "engine/thumbnails/PngWriter.h"
#include "engine/thumbnails/ThumbnailCache.h"
#include "engine/thumbnails/ThumbnailPicture.h"
#include "tests/support/TestImages.h"
#include "tests/support/TestSupport.h"

#include <QBuffer>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace velmora;
using namespace velmora::test;

namespace {

constexpr int FlatColour = 0xff30c060;

unsigned modeOf(const QString& path)
{
    struct stat info {};
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_mode & 07777 : 0;
}

void setModified(const QString& path, qint64 seconds)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.setFileTime(QDateTime::fromSecsSinceEpoch(seconds), QFileDevice::FileModificationTime));
}

ThumbnailSource sourceOf(const QString& path)
{
    const QFileInfo info(path);
    return MakeThumbnailSource(path, info.lastModified().toSecsSinceEpoch(), std::uint64_t(info.size()));
}

// The first pixel, which tells flat test pictures apart.
QRgb colourOf(const QImage& image)
{
    return image.pixel(image.width() / 2, image.height() / 2) | 0xff000000u;
}

bool near(QRgb a, QRgb b, int tolerance = 6)
{
    return std::abs(qRed(a) - qRed(b)) <= tolerance && std::abs(qGreen(a) - qGreen(b)) <= tolerance &&
           std::abs(qBlue(a) - qBlue(b)) <= tolerance;
}

// An entry as another program writes it: Qt's own PNG writer, which puts long values in
// compressed chunks, tags as given.
void writeForeignEntry(const QString& path, QImage picture, const QList<std::pair<QString, QString>>& tags)
{
    QDir().mkpath(QFileInfo(path).path());
    for (const auto& [key, value] : tags)
        picture.setText(key, value);
    ASSERT_TRUE(picture.save(path, "PNG"));
}

// The tags of a PNG file as a reader of the desktop's standard sees them.
QString tag(const QString& png, const char* key)
{
    return QImage(png, "PNG").text(QString::fromLatin1(key));
}

class ThumbnailCacheTest : public ::testing::Test {
protected:
    TempFolder pictures;
    TempFolder cacheHome;
    ThumbnailCache cache{cacheHome.path() + QStringLiteral("thumbnails/"), QStringLiteral("velmora-test")};

    QString picture(const QString& name, const QImage& image, const char* format = "JPG")
    {
        const QString path = pictures.file(name);
        EXPECT_TRUE(image.save(path, format, 95));
        return path;
    }
};

} // namespace

TEST(ThumbnailNames, EntryNameIsTheMd5OfTheUri)
{
    // The example of the desktop's standard.
    EXPECT_EQ(ThumbnailCache::EntryName(QStringLiteral("file:///home/jens/photos/me.png")),
              QStringLiteral("c6ee772d9e49320e97ec29a7eb5b1697.png"));
    const ThumbnailSource source = MakeThumbnailSource(QStringLiteral("/p//a b/../c.jpg"), 5, 7);
    EXPECT_EQ(source.path, QStringLiteral("/p/c.jpg"));
    EXPECT_EQ(source.uri, QStringLiteral("file:///p/c.jpg"));
}

TEST(ThumbnailNames, JpegScaleIsTheSmallestThatCoversTheThumbnail)
{
    const struct {
        QSize stored;
        int side;
        unsigned denominator;
    } cases[] = {
        {{4000, 3000}, 256, 8}, {{4000, 3000}, 150, 8}, {{1600, 1200}, 256, 4}, {{1600, 1200}, 150, 8},
        {{3000, 4000}, 256, 8}, {{600, 400}, 256, 2},   {{300, 200}, 256, 1},   {{100, 100}, 256, 1},
        {{8000, 100}, 256, 8},  {{2100, 16}, 256, 8},   {{2040, 2040}, 256, 4},  {{2047, 2047}, 256, 8},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ThumbnailJpegDenominator(c.stored, c.side), c.denominator)
            << c.stored.width() << "x" << c.stored.height() << " side " << c.side;
}

TEST(ThumbnailPng, RoundTripsPixelsAndTags)
{
    QImage opaque = NoiseImage(37, 21, 3);
    QImage clear(19, 11, QImage::Format_ARGB32);
    for (int y = 0; y < clear.height(); ++y)
        for (int x = 0; x < clear.width(); ++x)
            clear.setPixel(x, y, qRgba(x * 13, y * 23, 200, (x * 7 + y) % 256));
    for (const QImage& original : {opaque, clear}) {
        const QByteArray png = EncodePng(original, {{"Thumb::URI", "file:///x%20y.jpg"}, {"Thumb::MTime", "42"}});
        const QImage decoded = QImage::fromData(png, "PNG");
        ASSERT_FALSE(decoded.isNull());
        EXPECT_EQ(decoded.text(QStringLiteral("Thumb::URI")), QStringLiteral("file:///x%20y.jpg"));
        EXPECT_EQ(decoded.text(QStringLiteral("Thumb::MTime")), QStringLiteral("42"));
        EXPECT_EQ(decoded.hasAlphaChannel(), original.hasAlphaChannel());
        EXPECT_EQ(decoded.convertToFormat(QImage::Format_ARGB32), original.convertToFormat(QImage::Format_ARGB32));
    }
    EXPECT_TRUE(EncodePng(QImage()).isEmpty());
}

TEST_F(ThumbnailCacheTest, StoreWritesATaggedPrivatePngAtomically)
{
    const QString path = picture(QStringLiteral("a.jpg"), FlatImage(64, 48, FlatColour));
    setModified(path, 1700000000);
    const ThumbnailSource source = sourceOf(path);
    ASSERT_TRUE(cache.store(source, FlatImage(64, 48, FlatColour)));

    const QString entry = cache.entryPath(source);
    EXPECT_EQ(entry, cache.root() + QStringLiteral("large/") + ThumbnailCache::EntryName(source.uri));
    EXPECT_EQ(modeOf(entry), 0600u);
    EXPECT_EQ(modeOf(cache.root()), 0700u);
    EXPECT_EQ(modeOf(cache.root() + QStringLiteral("large")), 0700u);
    EXPECT_EQ(QDir(cache.root() + QStringLiteral("large")).entryList(QDir::Files | QDir::Hidden),
              QStringList{ThumbnailCache::EntryName(source.uri)})
        << "no temporary file is left behind";

    EXPECT_EQ(tag(entry, "Thumb::URI"), source.uri);
    EXPECT_EQ(tag(entry, "Thumb::MTime"), QStringLiteral("1700000000"));
    EXPECT_EQ(tag(entry, "Thumb::Size"), QString::number(QFileInfo(path).size()));
    EXPECT_EQ(QImage(entry).size(), QSize(64, 48));
}

TEST_F(ThumbnailCacheTest, AnEntryIsValidOnlyForTheFileItWasMadeFor)
{
    const QString path = picture(QStringLiteral("b.jpg"), FlatImage(64, 48, FlatColour));
    setModified(path, 1700000000);
    const ThumbnailSource source = sourceOf(path);
    const QString entry = cache.entryPath(source);
    const QString uri = source.uri;
    const QString size = QString::number(source.size);
    const struct {
        const char* what;
        QList<std::pair<QString, QString>> tags;
        bool valid;
    } cases[] = {
        {"all tags", {{"Thumb::URI", uri}, {"Thumb::MTime", "1700000000"}, {"Thumb::Size", size}}, true},
        {"no size tag", {{"Thumb::URI", uri}, {"Thumb::MTime", "1700000000"}}, true},
        {"other time", {{"Thumb::URI", uri}, {"Thumb::MTime", "1700000001"}, {"Thumb::Size", size}}, false},
        {"other size", {{"Thumb::URI", uri}, {"Thumb::MTime", "1700000000"}, {"Thumb::Size", "1"}}, false},
        {"no time", {{"Thumb::URI", uri}, {"Thumb::Size", size}}, false},
        {"other uri", {{"Thumb::URI", "file:///elsewhere.jpg"}, {"Thumb::MTime", "1700000000"}}, false},
        {"no tags", {}, false},
    };
    for (const auto& c : cases) {
        writeForeignEntry(entry, FlatImage(40, 30, 0xff102030), c.tags);
        EXPECT_EQ(!cache.find(source).isNull(), c.valid) << c.what;
    }
    WriteBytes(entry, "\x89PNG\r\n\x1a\n garbage");
    EXPECT_TRUE(cache.find(source).isNull()) << "a damaged entry";
}

TEST_F(ThumbnailCacheTest, AValidForeignEntryIsShownWithoutDecodingTheFile)
{
    const QString path = picture(QStringLiteral("c.jpg"), FlatImage(800, 600, FlatColour));
    const ThumbnailSource source = sourceOf(path);
    // A distinct picture: what is shown must be the entry, not the file.
    const QRgb foreign = qRgb(220, 20, 20);
    writeForeignEntry(cache.entryPath(source), FlatImage(256, 192, foreign),
                      {{"Thumb::URI", source.uri}, {"Thumb::MTime", QString::number(source.modified)}});
    const QImage shown = MakeThumbnail(source, &cache, 150);
    EXPECT_EQ(shown.size(), QSize(150, 113));
    EXPECT_TRUE(near(colourOf(shown), foreign));
    EXPECT_TRUE(tag(cache.entryPath(source), "Software").isEmpty()) << "the foreign entry is used as it is";
}

TEST_F(ThumbnailCacheTest, AMissingEntryIsWrittenAndAChangedFileMakesItAgain)
{
    const QString path = picture(QStringLiteral("d.jpg"), FlatImage(1600, 1200, FlatColour));
    setModified(path, 1600000000);
    const QImage first = MakeThumbnail(sourceOf(path), &cache, 150);
    EXPECT_EQ(first.size(), QSize(150, 113));
    EXPECT_TRUE(near(colourOf(first), FlatColour));
    const QImage entry = cache.find(sourceOf(path));
    EXPECT_EQ(entry.size(), QSize(256, 192)) << "entries are large ones";

    const QRgb changed = qRgb(20, 40, 230);
    picture(QStringLiteral("d.jpg"), FlatImage(900, 1200, changed));
    setModified(path, 1600000100);
    const QImage second = MakeThumbnail(sourceOf(path), &cache, 150);
    EXPECT_EQ(second.size(), QSize(113, 150));
    EXPECT_TRUE(near(colourOf(second), changed));
    EXPECT_EQ(tag(cache.entryPath(sourceOf(path)), "Thumb::MTime"), QStringLiteral("1600000100"));
}

TEST_F(ThumbnailCacheTest, SmallPicturesAreNeverEnlarged)
{
    const QString path = picture(QStringLiteral("tiny.png"), FlatImage(40, 20, FlatColour), "PNG");
    EXPECT_EQ(MakeThumbnail(sourceOf(path), &cache, 150).size(), QSize(40, 20));
    EXPECT_EQ(cache.find(sourceOf(path)).size(), QSize(40, 20));
}

TEST_F(ThumbnailCacheTest, BadFilesGetNoPictureAndAFailureRecord)
{
    static const char CorruptJpeg[] = "\xff\xd8\xff\xe0 this is not a picture";
    const struct {
        const char* name;
        QByteArray bytes;
    } cases[] = {
        {"empty.jpg", QByteArray()},
        {"corrupt.jpg", QByteArray::fromRawData(CorruptJpeg, sizeof CorruptJpeg - 1)},
        {"bomb.png", PngBomb(60000, 60000)},
        {"text.png", QByteArray("just words")},
    };
    for (const auto& c : cases) {
        const QString path = pictures.file(QString::fromLatin1(c.name));
        WriteBytes(path, c.bytes);
        const ThumbnailSource source = sourceOf(path);
        EXPECT_TRUE(MakeThumbnail(source, &cache, 150).isNull()) << c.name;
        const QString record = cache.failurePath(source);
        EXPECT_EQ(record, cache.root() + QStringLiteral("fail/velmora-test/") + ThumbnailCache::EntryName(source.uri));
        EXPECT_TRUE(cache.hasFailure(source)) << c.name;
        EXPECT_EQ(modeOf(record), 0600u);
        EXPECT_FALSE(QFileInfo::exists(cache.entryPath(source))) << c.name;
    }
    EXPECT_EQ(modeOf(cache.root() + QStringLiteral("fail/velmora-test")), 0700u);
}

TEST_F(ThumbnailCacheTest, AFailureRecordStandsUntilTheFileChanges)
{
    // A picture padded to the size of the bad file it replaces, with the same time: the record
    // still matches, so nothing is decoded; a new time makes the picture count again.
    QByteArray good;
    {
        QBuffer buffer(&good);
        buffer.open(QIODevice::WriteOnly);
        FlatImage(320, 240, FlatColour).save(&buffer, "JPG");
    }
    const QByteArray bad(good.size() + 100, 'x');
    const QString path = pictures.file(QStringLiteral("later.jpg"));
    WriteBytes(path, bad);
    setModified(path, 1500000000);
    EXPECT_TRUE(MakeThumbnail(sourceOf(path), &cache, 150).isNull());

    WriteBytes(path, good + QByteArray(100, '\0'));
    setModified(path, 1500000000);
    EXPECT_TRUE(MakeThumbnail(sourceOf(path), &cache, 150).isNull()) << "the record was not consulted";
    setModified(path, 1500000001);
    EXPECT_FALSE(MakeThumbnail(sourceOf(path), &cache, 150).isNull());
}

TEST_F(ThumbnailCacheTest, FilesThatAreNotPlainFilesAreNotRead)
{
    const QString pipe = pictures.file(QStringLiteral("pipe.jpg"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    // Reading it would wait for a writer for ever.
    EXPECT_TRUE(MakeThumbnail(MakeThumbnailSource(pipe, 1, 0), &cache, 150).isNull());
    EXPECT_FALSE(cache.hasFailure(MakeThumbnailSource(pipe, 1, 0)));

    // Nor is a pipe where a picture's cache entry belongs.
    const ThumbnailSource source =
        sourceOf(picture(QStringLiteral("a.jpg"), FlatImage(300, 200, FlatColour)));
    ASSERT_TRUE(QDir().mkpath(cacheHome.path() + QStringLiteral("thumbnails/large")));
    ASSERT_EQ(::mkfifo(QFile::encodeName(cache.entryPath(source)).constData(), 0600), 0);
    EXPECT_TRUE(cache.find(source).isNull());
    EXPECT_FALSE(MakeThumbnail(source, &cache, 150).isNull());
}

TEST_F(ThumbnailCacheTest, TheCacheKnowsItsOwnFiles)
{
    EXPECT_TRUE(cache.holds(cache.root() + QStringLiteral("large/x.png")));
    EXPECT_TRUE(cache.holds(cache.root() + QStringLiteral("fail/velmora-test/../../normal/y.png")));
    EXPECT_FALSE(cache.holds(pictures.file(QStringLiteral("x.png"))));
    EXPECT_FALSE(cache.holds(cache.root().chopped(1) + QStringLiteral("-other/x.png")));
}

TEST_F(ThumbnailCacheTest, JpegsAndOtherFormatsAreFittedForTheCache)
{
    const QString path = picture(QStringLiteral("wide.jpg"), PhotoLikeImage(2400, 1800, 4));
    const QImage large = DecodeThumbnailPicture(ReadBytes(path), QStringLiteral("jpg"), 256, path);
    EXPECT_EQ(large.size(), QSize(256, 192));
    const QString gif = pictures.file(QStringLiteral("g.gif"));
    WriteBytes(gif, EncodeWithMagick(FlatImage(500, 100, FlatColour), "GIF"));
    EXPECT_EQ(DecodeThumbnailPicture(ReadBytes(gif), QStringLiteral("gif"), 150, gif).size(), QSize(150, 30));
}
