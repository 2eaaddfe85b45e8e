#include "core/AddedSettings.h"
#include "core/Prompt.h"
#include "core/SettingsFile.h"
#include "tests/support/TestSupport.h"

#include <QFileInfo>

#include <gtest/gtest.h>

using namespace velmora;
using velmora::test::ReadBytes;
using velmora::test::TempFolder;
using velmora::test::WriteBytes;

namespace {

TEST(AddedSettings, WrittenOnlyWhenChosenAndReadBack)
{
    Settings settings;
    EXPECT_FALSE(SettingsFileBytes(settings).contains("ChangeSchedule"));
    EXPECT_FALSE(SettingsFileBytes(settings).contains("RandomMode"));

    settings.ChangeSchedule = 1;
    settings.NextChangeAt = QStringLiteral("2026-12-10T09:00:00+09:00");
    settings.RandomMode = 1;
    const QByteArray bytes = SettingsFileBytes(settings);
    EXPECT_TRUE(bytes.endsWith(
        "\r\nChangeSchedule= 1\r\nNextChangeAt=2026-12-10T09:00:00+09:00\r\nRandomMode= 1\r\n"))
        << bytes.right(120).toStdString();
    Settings read;
    ReadSettingsText(read, QString::fromUtf8(bytes));
    EXPECT_TRUE(read == settings);
}

TEST(AddedSettings, BadValueStopsTheReadingLikeAnyOtherKey)
{
    TempFolder folder;
    const QString path = folder.file(QStringLiteral("Velmora.INI"));
    WriteBytes(path, "[Velmora]\r\nRandomMode=99999\r\nChangeSchedule=1\r\n");
    Settings settings;
    ScriptedPrompter prompter;
    PrompterScope scope(prompter);
    EXPECT_FALSE(ReadSettingsFile(settings, path));
    EXPECT_EQ(prompter.count(), 1);
    EXPECT_EQ(settings.RandomMode, 0);
}

TEST(AddedSettings, StoringReplacesOnlyTheirLines)
{
    TempFolder folder;
    const QString path = folder.file(QStringLiteral("Velmora.INI"));
    WriteBytes(path, "[Velmora]\r\nChangeTimer= 60\r\nNextChangeAt=old\r\nListMode= 2\r\n");
    Settings settings;
    settings.ChangeTimer = 5; // not saved yet: stays as the file has it
    settings.ChangeSchedule = 1;
    settings.NextChangeAt = QStringLiteral("2026-12-10T10:00:00+01:00");
    ASSERT_TRUE(StoreAddedSettings(settings, path));
    EXPECT_EQ(ReadBytes(path),
              QByteArray("[Velmora]\r\nChangeTimer= 60\r\nListMode= 2\r\nChangeSchedule= 1\r\n"
                         "NextChangeAt=2026-12-10T10:00:00+01:00\r\n"));

    const QString missing = folder.file(QStringLiteral("none.INI"));
    EXPECT_FALSE(StoreAddedSettings(settings, missing));
    EXPECT_FALSE(QFileInfo::exists(missing)) << "the first start's file is the exit's to write";
}

} // namespace
