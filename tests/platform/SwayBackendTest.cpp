#include "platform/wallpaper/SwayBackend.h"
#include "tests/support/DesktopTestSupport.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using namespace velmora;
using namespace velmora::platform;

namespace {

class SwayCalls : public testing::Test {
protected:
    test::StandInTools tools;
    test::TempFolder runtime;

    void SetUp() override { tools.install(QStringLiteral("swaymsg")); }

    static QString makeWallpaper(const QString& folder)
    {
        EXPECT_TRUE(QDir().mkpath(folder));
        const QString wallpaper = folder + QStringLiteral("/$$WALL$$.BMP");
        test::WriteBytes(wallpaper, "BM picture");
        return wallpaper;
    }
};

TEST_F(SwayCalls, OneCommandForEveryOutputWithThePlacement)
{
    test::TempFolder program;
    const QString wallpaper = makeWallpaper(program.file(QStringLiteral("velmora")));
    SwayBackend sway(runtime.path());
    EXPECT_EQ(sway.ReadTileWallpaper(), "");
    ASSERT_TRUE(sway.WriteTileWallpaper(QStringLiteral("1")));
    EXPECT_EQ(sway.ReadTileWallpaper(), "1");
    ASSERT_TRUE(sway.SetWallpaper({wallpaper, QStringLiteral("1")}));
    ASSERT_TRUE(sway.SetWallpaper({wallpaper, QStringLiteral("0")}));
    ASSERT_TRUE(sway.SetWallpaper({wallpaper, QString()}));

    const QString first = program.file(QStringLiteral("velmora/velmora-wallpaper-1.BMP"));
    const QString second = program.file(QStringLiteral("velmora/velmora-wallpaper-2.BMP"));
    const QList<QStringList> expected{
        {"swaymsg", "output", "*", "bg", first, "tile"},
        {"swaymsg", "output", "*", "bg", second, "center"},
        {"swaymsg", "output", "*", "bg", first, "center"},
    };
    EXPECT_EQ(tools.calls(), expected);
    EXPECT_EQ(test::ReadBytes(first), "BM picture");
    EXPECT_FALSE(QFile::exists(second));
}

// sway re-reads the joined command: ";" would start a second command and "$" would be expanded.
TEST_F(SwayCalls, AnAwkwardProgramFolderIsNeverPassedToSway)
{
    test::TempFolder program;
    const QString wallpaper =
        makeWallpaper(program.file(QStringLiteral("a \"b\"; exec rm -rf ~; $HOME 'c'")));
    SwayBackend sway(runtime.file(QStringLiteral("velmora")));
    ASSERT_TRUE(sway.SetWallpaper({wallpaper, QStringLiteral("1")}));
    ASSERT_EQ(tools.calls().size(), 1);
    const QString handed = tools.calls().front().at(4);
    EXPECT_EQ(handed, runtime.file(QStringLiteral("velmora/velmora-wallpaper-1.BMP")));
    EXPECT_TRUE(SwayBackend::IsPlainPath(handed));
    EXPECT_EQ(test::ReadBytes(handed), "BM picture");
}

TEST_F(SwayCalls, ARefusalIsReported)
{
    tools.failOn(QStringLiteral("bg"));
    test::TempFolder program;
    const QString wallpaper = makeWallpaper(program.file(QStringLiteral("velmora")));
    SwayBackend sway(runtime.path());
    const WallpaperResult result = sway.SetWallpaper({wallpaper, QStringLiteral("1")});
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(result.error.contains(QStringLiteral("sway"))) << result.error.toStdString();
    EXPECT_FALSE(QFile::exists(program.file(QStringLiteral("velmora/velmora-wallpaper-1.BMP"))));
}

TEST(SwayPaths, PlainMeansNothingSwayWouldReadDifferently)
{
    EXPECT_TRUE(
        SwayBackend::IsPlainPath(QStringLiteral("/home/ann/.local/share/velmora/velmora-wallpaper-1.BMP")));
    for (const char* path : {"/home/ann/my pictures/a.bmp", "/a;b", "/a$b", "/~/a", "/a\"b", "/a'b", "/a,b",
                             "relative/a.bmp", "/壁紙/a.bmp"})
        EXPECT_FALSE(SwayBackend::IsPlainPath(QString::fromUtf8(path))) << path;
}

} // namespace

namespace {

QImage flat(QSize size, QRgb colour)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

} // namespace

TEST_F(SwayCalls, EveryOutputGetsItsOwnFileAndAGoneOutputsFileIsRemoved)
{
    test::TempFolder program;
    const QString wallpaper = makeWallpaper(program.file(QStringLiteral("velmora")));
    SwayBackend sway(runtime.path());
    const QImage primary = flat(QSize(4, 3), qRgb(10, 20, 30));
    WallpaperPicture picture(wallpaper, QStringLiteral("0"), primary);
    picture.monitors = {
        {QStringLiteral("HDMI-A-1"), QRect(0, 0, 1920, 1080), primary, QStringLiteral("0")},
        {QStringLiteral("DP-2"), QRect(1920, 0, 1280, 1024), flat(QSize(5, 2), qRgb(200, 0, 0)),
         QStringLiteral("1")},
    };
    ASSERT_TRUE(sway.SetWallpaper(picture));
    const QString hdmi = program.file(QStringLiteral("velmora/velmora-wallpaper-HDMI-A-1-1.BMP"));
    const QString dp = program.file(QStringLiteral("velmora/velmora-wallpaper-DP-2-1.BMP"));
    const QList<QStringList> expected{
        {"swaymsg", "output", "HDMI-A-1", "bg", hdmi, "center"},
        {"swaymsg", "output", "DP-2", "bg", dp, "tile"},
    };
    EXPECT_EQ(tools.calls(), expected);
    EXPECT_EQ(test::ReadBytes(hdmi), "BM picture") << "the primary's is the wallpaper file itself";
    EXPECT_EQ(QImage(dp).convertToFormat(QImage::Format_RGB32), flat(QSize(5, 2), qRgb(200, 0, 0)));

    picture.monitors.pop_back();
    ASSERT_TRUE(sway.SetWallpaper(picture));
    EXPECT_EQ(
        tools.calls().back(),
        (QStringList{"swaymsg", "output", "HDMI-A-1", "bg",
                     program.file(QStringLiteral("velmora/velmora-wallpaper-HDMI-A-1-2.BMP")), "center"}));
    EXPECT_FALSE(QFile::exists(hdmi)) << "the file handed over before";
    EXPECT_FALSE(QFile::exists(dp)) << "the file of an output gone";

    picture.monitors.clear();
    ASSERT_TRUE(sway.SetWallpaper(picture));
    EXPECT_EQ(QDir(program.file(QStringLiteral("velmora"))).entryList(QDir::Files),
              (QStringList{"$$WALL$$.BMP", "velmora-wallpaper-1.BMP"}))
        << "one picture for all: the outputs' files go";
}

TEST_F(SwayCalls, AnOutputNameSwayWouldMisreadGivesEveryOutputThePrimarysPicture)
{
    test::TempFolder program;
    const QString wallpaper = makeWallpaper(program.file(QStringLiteral("velmora")));
    SwayBackend sway(runtime.path());
    WallpaperPicture picture(wallpaper, QStringLiteral("0"), flat(QSize(4, 3), qRgb(1, 2, 3)));
    picture.monitors = {
        {QStringLiteral("HDMI-A-1"), QRect(0, 0, 100, 100), picture.image, QStringLiteral("0")},
        {QStringLiteral("x; exec rm"), QRect(100, 0, 100, 100), picture.image, QStringLiteral("0")},
    };
    ASSERT_TRUE(sway.SetWallpaper(picture));
    ASSERT_EQ(tools.calls().size(), 1);
    EXPECT_EQ(tools.calls().front().at(2), "*");
}
