#include "platform/ProgramFolder.h"
#include "tests/support/TestSupport.h"

#include <QDir>

#include <gtest/gtest.h>

using namespace velmora;

TEST(ProgramFolder, WritableExecutableFolderIsUsedAsItIs)
{
    test::TempFolder exe;
    EXPECT_EQ(platform::ResolveProgramFolder(exe.path().chopped(1), QString(), QStringLiteral("/nowhere")),
              exe.path());
}

TEST(ProgramFolder, OtherwiseThePerUserDataFolderIsCreated)
{
    test::TempFolder data;
    const QString missingExe = data.file(QStringLiteral("not-there"));
    EXPECT_EQ(platform::ResolveProgramFolder(missingExe, data.path().chopped(1), QString()),
              data.file(QStringLiteral("velmora/")));
    EXPECT_TRUE(QDir(data.file(QStringLiteral("velmora"))).exists());

    test::TempFolder home;
    EXPECT_EQ(platform::ResolveProgramFolder(missingExe, QString(), home.path().chopped(1)),
              home.file(QStringLiteral(".local/share/velmora/")));
}

TEST(ProgramFolder, OverrideForTests)
{
    platform::OverrideProgramFolder(QStringLiteral("/tmp/velmora-test"));
    EXPECT_EQ(platform::ProgramFolder(), QStringLiteral("/tmp/velmora-test/"));
    platform::OverrideProgramFolder(QString());
    EXPECT_TRUE(platform::ProgramFolder().endsWith(u'/'));
}
