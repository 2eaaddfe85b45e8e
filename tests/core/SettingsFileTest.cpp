#include "core/SettingsFile.h"
#include "core/NumberText.h"
#include "core/Prompt.h"
#include "tests/support/SpecialFiles.h"
#include "tests/support/TestSupport.h"

#include <QDir>
#include <QRandomGenerator>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>

using namespace velmora;
using velmora::test::ReadBytes;
using velmora::test::TempFolder;
using velmora::test::WriteBytes;

namespace {

SettingsEnvironment fixedEnvironment()
{
    // A 1920 x 1080 screen at 96 DPI.
    return {1920 * 15, 1080 * 15, QStringLiteral("/home/ann/Pictures"), QStringLiteral("/opt/velmora/")};
}

Settings defaults()
{
    Settings settings;
    ResetSettings(settings, fixedEnvironment());
    return settings;
}

// Reads text as a settings file over the defaults, collecting the messages shown.
struct Reading {
    Settings settings = defaults();
    ScriptedPrompter prompter;

    explicit Reading(const QByteArray& bytes)
    {
        TempFolder folder;
        WriteBytes(folder.file(QStringLiteral("Velmora.INI")), bytes);
        PrompterScope scope(prompter);
        ReadSettingsFile(settings, folder.file(QStringLiteral("Velmora.INI")));
    }
};

} // namespace

TEST(SettingsDefaults, FollowTheScreenAndFolders)
{
    const Settings settings = defaults();
    EXPECT_EQ(settings.MainWidth, 12000);
    EXPECT_EQ(settings.MainHeight, 6795);
    EXPECT_EQ(settings.SplitterMain, 6000);
    EXPECT_EQ(settings.CurrentDirectory, QStringLiteral("/home/ann/Pictures/"));

    Settings small;
    ResetSettings(small, {800 * 15 + 1, 400 * 15, QString(), QStringLiteral("/opt/velmora/")});
    EXPECT_EQ(small.MainWidth, 12000);
    EXPECT_EQ(small.MainHeight, 400 * 15 - 80);
    ResetSettings(small, {640 * 15 + 5, 480 * 15, QString(), QStringLiteral("/opt/velmora/")});
    EXPECT_EQ(small.MainWidth, 9605);
    EXPECT_EQ(small.SplitterMain, 4802) << "half of an odd width drops the remainder";
    EXPECT_EQ(small.CurrentDirectory, QStringLiteral("/opt/velmora/"))
        << "no pictures folder: the program folder";
}

TEST(SettingsFile, DefaultsWriteTheGoldenBytes)
{
    const QByteArray golden =
        ReadBytes(velmora::test::TestDataPath(QStringLiteral("core/data/default-settings.ini")));
    EXPECT_EQ(SettingsFileBytes(defaults()).toStdString(), golden.toStdString());
    EXPECT_EQ(SettingsKeys().size(), 73);
}

TEST(SettingsFile, WrittenFileReadsBackTheSameRecord)
{
    TempFolder folder;
    Settings written = defaults();
    written.CurrentDirectory = folder.path();
    written.MainTop = -120;
    written.ChangeTimer = 32767;
    written.FileIndex2 = -32768;
    written.EffectGammaOn[2] = 1;
    written.EffectEmbossOn[3] = 1;
    written.ListFileName = QStringLiteral("壁紙 リスト.lst");
    written.TBDispMode = false;
    written.CalendarFontSize = 10.5f;
    written.CalendarFontWeight = 1234.567f;
    written.CalendarShadowXDepth = -0.25f;
    written.CalendarShadowYDepth = 1e20f;
    written.CalendarDrawFontColor = 0x00FFFFFF;
    written.DirImageType = 1;
    written.MonitorMode = 2;

    const QString path = folder.file(QStringLiteral("Velmora.INI"));
    ASSERT_TRUE(WriteSettingsFile(written, path));
    Settings read = defaults();
    ScriptedPrompter prompter;
    PrompterScope scope(prompter);
    ReadSettingsFile(read, path);
    EXPECT_EQ(prompter.count(), 0);
    EXPECT_TRUE(read == written);
    const QByteArray bytes = ReadBytes(path);
    EXPECT_TRUE(bytes.contains("\r\nCalendarFontWeight= 1234.567\r\n"));
    EXPECT_TRUE(bytes.contains("\r\nCalendarShadowXDepth=-0.25\r\n"));
    EXPECT_TRUE(bytes.contains("\r\nMainTop=-120\r\n"));
    EXPECT_TRUE(bytes.contains("\r\nEffectGammaOn 2= 1\r\n"));
    EXPECT_TRUE(bytes.endsWith("\r\nMonitorMode= 2\r\n"));
}

TEST(SettingsFile, PositionsPastSixteenBitsAreStoredAndRestored)
{
    TempFolder folder;
    Settings written = defaults();
    written.FileIndex1 = 40000;
    written.FileIndex2 = 9999999;
    const QString path = folder.file(QStringLiteral("Velmora.INI"));
    ASSERT_TRUE(WriteSettingsFile(written, path));
    const QByteArray bytes = ReadBytes(path);
    EXPECT_TRUE(bytes.contains("\r\nFileIndex1= 40000\r\n"));
    EXPECT_TRUE(bytes.contains("\r\nFileIndex2= 9999999\r\n"));
    Settings read = defaults();
    ScriptedPrompter prompter;
    PrompterScope scope(prompter);
    ReadSettingsFile(read, path);
    EXPECT_EQ(prompter.count(), 0);
    EXPECT_EQ(read.FileIndex1, 40000);
    EXPECT_EQ(read.FileIndex2, 9999999);
}

TEST(SettingsFile, APipeNamedLikeTheSettingsFileGivesOneMessageAndTheDefaults)
{
    TempFolder folder;
    const QString path = folder.file(QStringLiteral("Velmora.INI"));
    velmora::test::FifoTrap trap(path, "[Velmora]\r\nChangeTimer= 5\r\n");
    ASSERT_TRUE(trap.made());
    Settings read = defaults();
    ScriptedPrompter prompter;
    PrompterScope scope(prompter);
    ReadSettingsFile(read, path);
    EXPECT_EQ(prompter.count(), 1);
    EXPECT_TRUE(read == defaults());
}

struct LenientCase {
    const char* line;
    int expected;
};

void PrintTo(const LenientCase& c, std::ostream* os)
{
    *os << '"' << c.line << '"';
}

class LenientIntegerReading : public testing::TestWithParam<LenientCase> {};

TEST_P(LenientIntegerReading, ChangeTimer)
{
    const Reading reading(QByteArray("[Velmora]\r\nChangeTimer=") + GetParam().line + "\r\n");
    EXPECT_EQ(reading.prompter.count(), 0);
    EXPECT_EQ(reading.settings.ChangeTimer, GetParam().expected) << GetParam().line;
}

INSTANTIATE_TEST_SUITE_P(Values, LenientIntegerReading,
                         testing::Values(LenientCase{"  90  ", 90}, LenientCase{"abc", 0},
                                         LenientCase{"1e3", 1000}, LenientCase{"2.5", 2},
                                         LenientCase{"3.5", 4}, LenientCase{"-2.5", -2},
                                         LenientCase{"12abc", 12}, LenientCase{"1 2 3", 123},
                                         LenientCase{"", 0}, LenientCase{"&H10", 16},
                                         LenientCase{"&HFFFF", -1}, LenientCase{"32767.4", 32767},
                                         LenientCase{"+7", 7}, LenientCase{"4e", 4}, LenientCase{"1.5e1", 15},
                                         LenientCase{".5", 0}, LenientCase{"1.5", 2}));

TEST(SettingsReading, KeysMatchExactlyWithTheirEqualsSign)
{
    const Reading reading("[Something else]\r\n"
                          "maintop=5\r\n"
                          "MainLeft =7\r\n"
                          "MainTop=-120\r\n"
                          "FileIndex1=2.5\r\n"
                          "EffectEmbossOn2=1\r\n"
                          "EffectEmbossOn 2=1\r\n"
                          "UnknownKey=3\r\n"
                          "ChangeTimer=10\r\n"
                          "ChangeTimer=20\r\n"
                          "CalendarFontName=  MS 明朝 \r\n");
    EXPECT_EQ(reading.prompter.count(), 0);
    EXPECT_EQ(reading.settings.MainTop, -120);
    EXPECT_EQ(reading.settings.MainLeft, 0);
    EXPECT_EQ(reading.settings.FileIndex1, 2);
    EXPECT_EQ(reading.settings.EffectEmbossOn[2], 1);
    EXPECT_EQ(reading.settings.EffectEmbossOn[1], 0);
    EXPECT_EQ(reading.settings.ChangeTimer, 20) << "the last line of a key wins";
    EXPECT_EQ(reading.settings.CalendarFontName, QStringLiteral("  MS 明朝 "))
        << "strings are kept unchanged";
}

TEST(SettingsReading, EmptyOrHeaderOnlyGivesDefaults)
{
    EXPECT_TRUE(Reading("").settings == defaults());
    EXPECT_TRUE(Reading("[Velmora]\r\n").settings == defaults());
    Settings missing = defaults();
    ScriptedPrompter prompter;
    PrompterScope scope(prompter);
    ReadSettingsFile(missing, QStringLiteral("/nonexistent/Velmora.INI"));
    EXPECT_TRUE(missing == defaults());
    EXPECT_EQ(prompter.count(), 0) << "a missing file is silent";
}

TEST(SettingsReading, OutOfRangeValueStopsTheReadingThere)
{
    const Reading reading("[Velmora]\r\nMainTop=5\r\nChangeTimer=40000\r\nMainLeft=9\r\n");
    ASSERT_EQ(reading.prompter.count(), 1);
    EXPECT_EQ(reading.prompter.requests()[0].kind, PromptKind::Warning);
    EXPECT_EQ(reading.settings.MainTop, 5) << "lines before the failure keep their values";
    EXPECT_EQ(reading.settings.ChangeTimer, 3600);
    EXPECT_EQ(reading.settings.MainLeft, 0) << "lines after the failure are not read";
}

TEST(SettingsReading, BooleansAndStrictNumbers)
{
    const Reading good("MinBoot=tRuE\r\nTBDispMode= 0 \r\nCalendarFontBold=-1\r\nDirImageType= 1 \r\n");
    EXPECT_EQ(good.prompter.count(), 0);
    EXPECT_TRUE(good.settings.MinBoot);
    EXPECT_FALSE(good.settings.TBDispMode);
    EXPECT_TRUE(good.settings.CalendarFontBold);
    EXPECT_EQ(good.settings.DirImageType, 1);

    const Reading badBoolean("MainTop=3\r\nMinBoot=yes\r\nMainLeft=4\r\n");
    EXPECT_EQ(badBoolean.prompter.count(), 1);
    EXPECT_EQ(badBoolean.settings.MainTop, 3);
    EXPECT_EQ(badBoolean.settings.MainLeft, 0);

    const Reading lenientNotEnough("DirImageType=1x\r\nMainLeft=4\r\n");
    EXPECT_EQ(lenientNotEnough.prompter.count(), 1);
    EXPECT_EQ(lenientNotEnough.settings.DirImageType, 0);
    EXPECT_EQ(lenientNotEnough.settings.MainLeft, 0);
}

TEST(SettingsReading, CurrentDirectoryOnlyWhenTheFolderCanBeEntered)
{
    TempFolder folder;
    const Reading present(("CurrentDirectory=" + folder.path()).toUtf8() + "\r\n");
    EXPECT_EQ(present.settings.CurrentDirectory, folder.path());
    const Reading removed(("CurrentDirectory=" + folder.path() + "gone/").toUtf8() + "\r\n");
    EXPECT_EQ(removed.settings.CurrentDirectory, QStringLiteral("/home/ann/Pictures/"));
    EXPECT_EQ(removed.prompter.count(), 0);
}

TEST(SettingsReading, ShiftJisFileFromTheWindowsProgram)
{
    // "CalendarFontName=ＭＳ 明朝" in Shift_JIS.
    const Reading reading(QByteArray("CalendarFontName=\x82\x6c\x82\x72 \x96\xbe\x92\xa9\r\nMainTop= 7\r\n"));
    EXPECT_EQ(reading.settings.CalendarFontName, QStringLiteral("ＭＳ 明朝"));
    EXPECT_EQ(reading.settings.MainTop, 7);
}

TEST(SettingsReading, FileSavedWithLinuxLineEnds)
{
    const Reading reading("[Velmora]\nMainTop=7\nListFileName=summer.lst\nChangeTimer=90\n");
    EXPECT_EQ(reading.prompter.count(), 0);
    EXPECT_EQ(reading.settings.MainTop, 7);
    EXPECT_EQ(reading.settings.ListFileName, QStringLiteral("summer.lst")) << "no LF left in the value";
    EXPECT_EQ(reading.settings.ChangeTimer, 90);
}

TEST(SettingsReading, HostileFilesGiveDefaultsAndAtMostOneMessage)
{
    QRandomGenerator random(20261207);
    QByteArray noise(64 * 1024, Qt::Uninitialized);
    for (char& c : noise)
        c = char(random.bounded(256));
    const QByteArray nuls = QByteArray("MainTop=\0\0\0 5\r\n", 16) + QByteArray(1000, '\0');
    const QByteArray longLine = "MainTop= 8\r\nCalendarFontName=" + QByteArray(1024 * 1024, 'x') + "\r\n";
    const QByteArray invalidUtf8 = "MainTop= 9\r\nListFileName=\xff\xfe\xfd.lst\r\n";
    for (const QByteArray& bytes : {noise, nuls, longLine, invalidUtf8}) {
        const Reading reading(bytes);
        EXPECT_LE(reading.prompter.count(), 1);
    }
    EXPECT_EQ(Reading(longLine).settings.CalendarFontName.size(), 1024 * 1024);
    EXPECT_EQ(Reading(longLine).settings.MainTop, 8);
    EXPECT_EQ(Reading(invalidUtf8).settings.MainTop, 9);
    EXPECT_EQ(Reading(nuls).settings.MainTop, 0) << "reading stops at the NUL";

    TempFolder folder;
    QDir(folder.path()).mkdir(QStringLiteral("Velmora.INI"));
    Settings settings = defaults();
    ScriptedPrompter prompter;
    PrompterScope scope(prompter);
    ReadSettingsFile(settings, folder.file(QStringLiteral("Velmora.INI")));
    EXPECT_TRUE(settings == defaults());
    EXPECT_EQ(prompter.count(), 1) << "a folder in the file's place is reported once";
}

TEST(SettingsWriting, FailureHalfWayLeavesTheOldFileWhole)
{
    TempFolder folder;
    const QString path = folder.file(QStringLiteral("Velmora.INI"));
    const QByteArray old = SettingsFileBytes(defaults());
    WriteBytes(path, old);

    Settings changed = defaults();
    changed.CalendarFontName = QString(100000, u'x');

    // A file size limit makes the write fail after the first bytes, as a full disk would.
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limited = saved;
    limited.rlim_cur = 4096;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limited), 0);
    const bool written = WriteSettingsFile(changed, path);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_FALSE(written);
    EXPECT_EQ(ReadBytes(path), old);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden).size(), 1)
        << "no temporary file is left";
    EXPECT_FALSE(WriteSettingsFile(changed, folder.file(QStringLiteral("missing/Velmora.INI"))));
}
