#include "platform/wallpaper/LxqtBackend.h"
#include "tests/support/DesktopTestSupport.h"

#include <gtest/gtest.h>

using namespace velmora;
using namespace velmora::platform;

namespace {

class LxqtCalls : public testing::Test {
protected:
    test::StandInTools tools;
    test::TempFolder program;
    QString wallpaper = program.file(QStringLiteral("$$WALL$$.BMP"));

    void SetUp() override
    {
        tools.install(QStringLiteral("pcmanfm-qt"));
        test::WriteBytes(wallpaper, "BM picture");
    }
};

TEST_F(LxqtCalls, TheWallpaperFileWithTheModeOfThePlacement)
{
    LxqtBackend lxqt;
    EXPECT_EQ(lxqt.ReadTileWallpaper(), "");
    ASSERT_TRUE(lxqt.WriteTileWallpaper(QStringLiteral("1")));
    EXPECT_EQ(lxqt.ReadTileWallpaper(), "1");
    ASSERT_TRUE(lxqt.SetWallpaper({wallpaper, QStringLiteral("1")}));
    ASSERT_TRUE(lxqt.SetWallpaper({wallpaper, QStringLiteral("0")}));
    ASSERT_TRUE(lxqt.SetWallpaper({wallpaper, QString()}));
    const QList<QStringList> expected{
        {"pcmanfm-qt", "--set-wallpaper", wallpaper, "--wallpaper-mode", "tile"},
        {"pcmanfm-qt", "--set-wallpaper", wallpaper, "--wallpaper-mode", "center"},
        {"pcmanfm-qt", "--set-wallpaper", wallpaper, "--wallpaper-mode", "center"},
    };
    EXPECT_EQ(tools.calls(), expected);
}

TEST_F(LxqtCalls, ARefusalIsReported)
{
    tools.failOn(QStringLiteral("--set-wallpaper"));
    const WallpaperResult result = LxqtBackend().SetWallpaper({wallpaper, QStringLiteral("0")});
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(result.error.contains(QStringLiteral("LXQt"))) << result.error.toStdString();
}

TEST(LxqtTool, AMissingToolIsReported)
{
    test::TempFolder program;
    const QString wallpaper = program.file(QStringLiteral("$$WALL$$.BMP"));
    test::WriteBytes(wallpaper, "BM picture");
    LxqtBackend lxqt(program.file(QStringLiteral("no-such-pcmanfm-qt")));
    const WallpaperResult result = lxqt.SetWallpaper({wallpaper, QStringLiteral("1")});
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(result.error.contains(QStringLiteral("LXQt"))) << result.error.toStdString();
}

} // namespace
