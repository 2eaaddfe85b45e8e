#include "platform/ProgramFolder.h"
#include "platform/Documents.h"
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

TEST(ProgramFolder, AnInstalledProgramKeepsTheUsersFilesInTheDataFolderEvenWhereItCouldWrite)
{
    test::TempFolder prefix;
    QDir(prefix.path()).mkpath(QStringLiteral("bin"));
    QDir(prefix.path()).mkpath(QStringLiteral("share/applications"));
    test::WriteBytes(prefix.file(QStringLiteral("share/applications/velmora.desktop")), "[Desktop Entry]\n");
    test::TempFolder data;
    EXPECT_EQ(
        platform::ResolveProgramFolder(prefix.file(QStringLiteral("bin")), data.path().chopped(1), QString()),
        data.file(QStringLiteral("velmora/")));
}

TEST(ProgramFolder, OverrideForTests)
{
    platform::OverrideProgramFolder(QStringLiteral("/tmp/velmora-test"));
    EXPECT_EQ(platform::ProgramFolder(), QStringLiteral("/tmp/velmora-test/"));
    platform::OverrideProgramFolder(QString());
    EXPECT_TRUE(platform::ProgramFolder().endsWith(u'/'));
}

TEST(ProgramFolder, DocumentsAreLookedForInTheProgramFolderThenWhereThePackagePutsThem)
{
    EXPECT_EQ(platform::DocumentationFoldersFor(QStringLiteral("/home/ann/.local/share/velmora"),
                                                QStringLiteral("/usr/bin")),
              (QStringList{QStringLiteral("/home/ann/.local/share/velmora/"),
                           QStringLiteral("/usr/share/doc/velmora/")}));

    test::TempFolder prefix;
    QDir(prefix.path()).mkpath(QStringLiteral("bin"));
    QDir(prefix.path()).mkpath(QStringLiteral("share/doc/velmora"));
    test::TempFolder program;
    const QStringList folders =
        platform::DocumentationFoldersFor(program.path(), prefix.file(QStringLiteral("bin")));
    const QString installed = prefix.file(QStringLiteral("share/doc/velmora/guide.pdf"));
    test::WriteBytes(installed, "%PDF-");
    EXPECT_EQ(platform::FindDocumentIn(folders, QStringLiteral("guide.pdf")), installed);
    test::WriteBytes(program.file(QStringLiteral("guide.pdf")), "%PDF-");
    EXPECT_EQ(platform::FindDocumentIn(folders, QStringLiteral("guide.pdf")),
              program.file(QStringLiteral("guide.pdf")))
        << "a guide in the program folder comes first";
    EXPECT_EQ(platform::FindDocumentIn(folders, QStringLiteral("index.html")), QString());
    QDir(program.path()).mkpath(QStringLiteral("index.html"));
    EXPECT_EQ(platform::FindDocumentIn(folders, QStringLiteral("index.html")), QString())
        << "a folder is no document";
}

TEST(ProgramFolder, TheDocumentationPageOpensAtTheSupportSection)
{
    test::TempFolder program;
    platform::OverrideProgramFolder(program.path());
    EXPECT_TRUE(platform::DocumentationPageUrl().isEmpty()) << "nothing to open when the page is missing";
    test::WriteBytes(program.file(QStringLiteral("index.html")), "<html></html>");
    const QUrl url = platform::DocumentationPageUrl(QString::fromUtf16(platform::SupportSectionAnchor));
    EXPECT_EQ(url.toLocalFile(), program.file(QStringLiteral("index.html")));
    EXPECT_EQ(url.fragment(), QStringLiteral("supporting-velmora"));
    platform::OverrideProgramFolder(QString());
}
