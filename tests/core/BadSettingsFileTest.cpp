#include "core/BadSettingsFile.h"

#include "tests/support/TestSupport.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

namespace velmora {
namespace {

using test::ReadBytes;
using test::TempFolder;
using test::WriteBytes;

const QByteArray Broken = "[Velmora]\r\nMainTop= 5\r\nTimerOnMode= 70000\r\nChangeTimer= 42\r\n";

TEST(BadSettingsFile, TheFirstCopyStays)
{
    TempFolder folder;
    const QString path = folder.file(QStringLiteral("Velmora.INI"));
    WriteBytes(path + ".bad", "the user's first file");
    WriteBytes(path, Broken);
    EXPECT_EQ(KeepBadSettingsFile(path), BadSettingsCopy::Earlier);
    EXPECT_EQ(ReadBytes(path + ".bad"), "the user's first file");
    EXPECT_EQ(ReadBytes(path), Broken);
    EXPECT_TRUE(BadSettingsNotice(BadSettingsCopy::Earlier).contains(QStringLiteral("上書き")));
}

TEST(BadSettingsFile, WhatCannotBeKeptIsSaidSo)
{
    // A folder in the file's place can be neither linked nor read.
    TempFolder folder;
    const QString path = folder.file(QStringLiteral("Velmora.INI"));
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("Velmora.INI")));
    EXPECT_EQ(KeepBadSettingsFile(path), BadSettingsCopy::Failed);
    EXPECT_FALSE(QFileInfo::exists(path + ".bad"));
    EXPECT_EQ(BadSettingsNotice(BadSettingsCopy::Failed),
              QStringLiteral("設定ファイルを最後まで読み込めず、元のファイルを残せなかったため、"
                             "終了時に設定を保存しません。"));
}

} // namespace
} // namespace velmora
