#include "platform/wallpaper/LxqtBackend.h"
#include "platform/wallpaper/RunningProgram.h"
#include "tests/support/DesktopTestSupport.h"

#include <QFile>
#include <QProcess>

#include <gtest/gtest.h>

using namespace velmora;
using namespace velmora::platform;

namespace {

bool Running()
{
    return true;
}

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
    LxqtBackend lxqt(QStringLiteral("pcmanfm-qt"), Running);
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
    const WallpaperResult result =
        LxqtBackend(QStringLiteral("pcmanfm-qt"), Running).SetWallpaper({wallpaper, QStringLiteral("0")});
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(result.error.contains(QStringLiteral("LXQt"))) << result.error.toStdString();
}

// Without its desktop pcmanfm-qt forgets the picture and still ends well.
TEST_F(LxqtCalls, WithoutTheDesktopNothingIsCalledAndTheFailureSaysWhy)
{
    LxqtBackend lxqt(QStringLiteral("pcmanfm-qt"), [] { return false; });
    const WallpaperResult result = lxqt.SetWallpaper({wallpaper, QStringLiteral("1")});
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(result.error.contains(QStringLiteral("pcmanfm-qt --desktop"))) << result.error.toStdString();
    EXPECT_TRUE(tools.calls().isEmpty());
}

TEST(RunningProgram, FindsAProcessOfTheUserByNameAndArgument)
{
    test::TempFolder folder;
    const QString program = folder.file(QStringLiteral("velmora-sleeper"));
    ASSERT_TRUE(QFile::link(QStringLiteral("/bin/sleep"), program));
    EXPECT_FALSE(IsProgramRunning(QStringLiteral("velmora-sleeper"), QStringLiteral("300")));
    QProcess sleeper;
    sleeper.start(program, {QStringLiteral("300")});
    ASSERT_TRUE(sleeper.waitForStarted());
    // The start is reported while exec is still setting the new program up, before its command
    // line shows in /proc.
    EXPECT_TRUE(test::WaitUntil(
        [] { return IsProgramRunning(QStringLiteral("velmora-sleeper"), QStringLiteral("300")); }));
    EXPECT_FALSE(IsProgramRunning(QStringLiteral("velmora-sleeper"), QStringLiteral("30")));
    EXPECT_FALSE(IsProgramRunning(QStringLiteral("velmora-sleep"), QStringLiteral("300")));
    EXPECT_FALSE(IsProgramRunning(QStringLiteral("velmora-sleeper"), QStringLiteral("velmora-sleeper")))
        << "the program's own name is not an argument";
    sleeper.kill();
    sleeper.waitForFinished();
    EXPECT_FALSE(IsProgramRunning(QStringLiteral("velmora-sleeper"), QStringLiteral("300")));
}

TEST(LxqtTool, AMissingToolIsReported)
{
    test::TempFolder program;
    const QString wallpaper = program.file(QStringLiteral("$$WALL$$.BMP"));
    test::WriteBytes(wallpaper, "BM picture");
    LxqtBackend lxqt(program.file(QStringLiteral("no-such-pcmanfm-qt")), Running);
    const WallpaperResult result = lxqt.SetWallpaper({wallpaper, QStringLiteral("1")});
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(result.error.contains(QStringLiteral("LXQt"))) << result.error.toStdString();
}

} // namespace
