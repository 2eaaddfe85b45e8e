#include "platform/wallpaper/FreshWallpaperFile.h"
#include "tests/support/TestSupport.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <gtest/gtest.h>

using namespace velmora;
using namespace velmora::platform;

namespace {

// The way the program writes its wallpaper: a temporary file renamed over the old one.
void writeWallpaper(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    ASSERT_TRUE(file.commit());
}

TEST(FreshWallpaperFile, TwoNamesTakeTurnsAndTheStaleOneGoes)
{
    test::TempFolder folder;
    const QString wallpaper = folder.file(QStringLiteral("$$WALL$$.BMP"));
    const QString first = folder.file(QStringLiteral("$$WALL$$-1.BMP"));
    const QString second = folder.file(QStringLiteral("$$WALL$$-2.BMP"));

    writeWallpaper(wallpaper, "first picture");
    FreshWallpaperFile one(wallpaper);
    ASSERT_EQ(one.path(), first);
    ASSERT_TRUE(one.prepareFromWallpaper());
    one.commit();

    writeWallpaper(wallpaper, "second picture");
    FreshWallpaperFile two(wallpaper);
    ASSERT_EQ(two.path(), second);
    ASSERT_TRUE(two.prepareFromWallpaper());
    // Until the desktop has the new name, the old one still holds the picture it shows.
    EXPECT_EQ(test::ReadBytes(first), "first picture");
    EXPECT_EQ(test::ReadBytes(second), "second picture");
    two.commit();
    EXPECT_FALSE(QFile::exists(first));

    writeWallpaper(wallpaper, "third picture");
    FreshWallpaperFile three(wallpaper);
    EXPECT_EQ(three.path(), first);
    ASSERT_TRUE(three.prepareFromWallpaper());
    three.discard();
    EXPECT_FALSE(QFile::exists(first)) << "a refused change leaves no file behind";
    EXPECT_EQ(test::ReadBytes(second), "second picture");
    EXPECT_EQ(test::ReadBytes(wallpaper), "third picture");
}

TEST(FreshWallpaperFile, CopiesIntoAnotherFolderAndWritesPictures)
{
    test::TempFolder program;
    test::TempFolder elsewhere;
    const QString wallpaper = program.file(QStringLiteral("$$WALL$$.BMP"));
    writeWallpaper(wallpaper, "picture bytes");
    FreshWallpaperFile fresh(wallpaper, elsewhere.path(), QStringLiteral("plain"));
    EXPECT_EQ(fresh.path(), elsewhere.file(QStringLiteral("plain-1.BMP")));
    ASSERT_TRUE(fresh.prepareFromWallpaper());
    EXPECT_EQ(test::ReadBytes(fresh.path()), "picture bytes");

    QImage image(3, 2, QImage::Format_RGB32);
    image.fill(qRgb(1, 2, 3));
    FreshWallpaperFile drawn(wallpaper);
    ASSERT_TRUE(drawn.prepareFromImage(image));
    const QImage back(drawn.path(), "BMP");
    ASSERT_EQ(back.size(), image.size());
    EXPECT_EQ(back.pixel(2, 1), qRgb(1, 2, 3));
    EXPECT_EQ(QFileInfo(drawn.path()).permissions() & 0xf0ff,
              QFileDevice::ReadOwner | QFileDevice::WriteOwner)
        << "a copy of someone's photo";
}

TEST(FreshWallpaperFile, ReportsAFolderItCannotWrite)
{
    test::TempFolder program;
    const QString wallpaper = program.file(QStringLiteral("$$WALL$$.BMP"));
    writeWallpaper(wallpaper, "x");
    FreshWallpaperFile fresh(wallpaper, program.file(QStringLiteral("missing/folder")), {});
    const WallpaperResult result = fresh.prepareFromWallpaper();
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(result.error.contains(QStringLiteral("作成できません"))) << result.error.toStdString();
}

} // namespace
