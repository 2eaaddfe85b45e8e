#include "core/PathRoutines.h"
#include "core/Failure.h"
#include "tests/support/TestSupport.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using namespace velmora;

TEST(PathRoutines, ExtensionIsEverythingAfterTheLastDot)
{
    EXPECT_EQ(GetExtension(QStringLiteral("/pics/photo.large.JPG")), QStringLiteral("JPG"));
    EXPECT_EQ(GetExtension(QStringLiteral("/my.pics/photo")), QStringLiteral("pics/photo"));
    EXPECT_EQ(GetExtension(QStringLiteral("photo")), QString());
    EXPECT_EQ(GetExtension(QStringLiteral("photo.")), QString());
}

TEST(PathRoutines, FileNameAndSeparator)
{
    EXPECT_EQ(GetFileName(QStringLiteral("/home/ann/a.jpg")), QStringLiteral("a.jpg"));
    EXPECT_EQ(GetFileName(QStringLiteral("a.jpg")), QStringLiteral("a.jpg"));
    EXPECT_EQ(GetFileName(QStringLiteral("/home/ann/")), QString());
    EXPECT_EQ(GetFileName(QStringLiteral("/a").repeated(300) + QStringLiteral("/deep.png")),
              QStringLiteral("deep.png"));

    EXPECT_EQ(AddPathSep(QStringLiteral("/home/ann")), QStringLiteral("/home/ann/"));
    EXPECT_EQ(AddPathSep(QStringLiteral("/home/ann/")), QStringLiteral("/home/ann/"));
    EXPECT_EQ(AddPathSep(QStringLiteral("/")), QStringLiteral("/"));
    EXPECT_EQ(AddPathSep(QString()), QStringLiteral("/"));
}

TEST(PathRoutines, SplitTextStoresFromCountAndChecksBounds)
{
    QStringList pieces{QStringLiteral("kept")};
    int count = 1;
    SplitText(QStringLiteral("a,,b,"), u',', pieces, count, 10);
    EXPECT_EQ(count, 5);
    EXPECT_EQ(pieces, (QStringList{QStringLiteral("kept"), QStringLiteral("a"), QString(),
                                   QStringLiteral("b"), QString()}));

    count = 0;
    SplitText(QStringLiteral("whole"), u',', pieces, count, 10);
    EXPECT_EQ(count, 1);
    EXPECT_EQ(pieces[0], QStringLiteral("whole"));

    count = 0;
    try {
        SplitText(QStringLiteral("a,b,c"), u',', pieces, count, 2);
        ADD_FAILURE() << "a third piece fits two slots";
    } catch (const Failure& failure) {
        EXPECT_EQ(failure.code(), ErrorCode::SubscriptOutOfRange);
    }
}

TEST(PathRoutines, ExistenceTests)
{
    test::TempFolder folder;
    const QString file = folder.file(QStringLiteral("a file"));
    test::WriteBytes(file, "x");
    EXPECT_TRUE(FileExists(file));
    EXPECT_TRUE(FileExists(folder.path()));
    EXPECT_FALSE(FileExists(folder.file(QStringLiteral("missing"))));
    EXPECT_FALSE(FileExists(QString()));

    EXPECT_TRUE(FolderExists(folder.path()));
    EXPECT_FALSE(FolderExists(file));
    EXPECT_FALSE(FolderExists(folder.file(QStringLiteral("missing/"))));
    EXPECT_FALSE(FolderExists(QString()));
    const QString before = QDir::currentPath();
    FolderExists(folder.path());
    EXPECT_EQ(QDir::currentPath(), before) << "the current directory is left alone";
}

TEST(PathRoutines, TrimAtNulAndUnsignedWords)
{
    EXPECT_EQ(TrimAtNul(QStringLiteral("abc") + QChar(u'\0') + QStringLiteral("def")), QStringLiteral("abc"));
    EXPECT_EQ(TrimAtNul(QStringLiteral("abc")), QStringLiteral("abc"));
    EXPECT_EQ(ToUnsigned(-1), 4294967295u);
    EXPECT_EQ(ToUnsigned(5), 5u);
    EXPECT_EQ(ToUnsigned(-1) * TwoPow32() + ToUnsigned(-1), 18446744073709551615u) << "2^64 - 1 exactly";
    EXPECT_EQ(ToUnsigned(1) * TwoPow32() + ToUnsigned(0), 4294967296u);
}

TEST(PathRoutines, WindowsFolderIsAnExistingFolderWithoutSeparator)
{
    const QString folder = GetWindowsFolder();
    ASSERT_FALSE(folder.isEmpty());
    EXPECT_TRUE(QDir(folder).exists());
    EXPECT_TRUE(folder == QStringLiteral("/") || !folder.endsWith(u'/'));
}
