// One pass over a real folder: which entries are listed, with which sizes and dates.
#include "mainwindow/folder/FileNameScan.h"

#include "core/FileKinds.h"
#include "mainwindow/folder/FileViewText.h"
#include "tests/support/SpecialFiles.h"
#include "tests/support/TestSupport.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>

namespace velmora {

namespace {

QStringList SortedNames(const FileNameScanResult& result)
{
    QStringList names;
    for (const FileViewEntry& entry : result.entries)
        names.append(entry.name);
    names.sort();
    return names;
}

const FileViewEntry* Find(const FileNameScanResult& result, const QString& name)
{
    auto it = std::find_if(result.entries.begin(), result.entries.end(),
                           [&](const FileViewEntry& entry) { return entry.name == name; });
    return it == result.entries.end() ? nullptr : &*it;
}

} // namespace

class FileNameScanTest : public ::testing::Test {
protected:
    void SetUp() override { BuildFileKindTable(); }
    test::TempFolder folder;
};

TEST_F(FileNameScanTest, ListsImagesAndGifsOnly)
{
    for (const char* name :
         {"a.jpg", "b.PNG", "c.gif", "d.bmp", "notes.txt", "noext", "song.mp3", "x.y.Jpeg"})
        test::WriteBytes(folder.file(QString::fromLatin1(name)), "data");
    ASSERT_TRUE(QDir().mkdir(folder.file("folder.jpg")));
    test::WriteBytes(folder.file("pagefile.sys"), "x");
    const FileNameScanResult result = ScanImageFiles(folder.path());
    EXPECT_EQ(result.error, 0);
    EXPECT_EQ(SortedNames(result), (QStringList{"a.jpg", "b.PNG", "c.gif", "d.bmp", "x.y.Jpeg"}));
}

TEST_F(FileNameScanTest, SizeAboveFourGibibytesIsExact)
{
    QFile sparse(folder.file("huge.tif"));
    ASSERT_TRUE(sparse.open(QIODevice::WriteOnly));
    const qint64 size = (qint64(5) << 30) + 123;
    ASSERT_TRUE(sparse.resize(size));
    sparse.close();
    test::WriteBytes(folder.file("empty.jpg"), QByteArray());
    const FileNameScanResult result = ScanImageFiles(folder.path());
    ASSERT_NE(Find(result, "huge.tif"), nullptr);
    EXPECT_EQ(Find(result, "huge.tif")->size, std::uint64_t(size));
    EXPECT_EQ(SizeText(Find(result, "huge.tif")->size), QStringLiteral("5,368,709,243"));
    ASSERT_NE(Find(result, "empty.jpg"), nullptr);
    EXPECT_EQ(Find(result, "empty.jpg")->size, 0u);
}

TEST_F(FileNameScanTest, DateIsTheLastWriteInLocalTime)
{
    test::WriteBytes(folder.file("old.jpg"), "x");
    const QDateTime written(QDate(2019, 4, 5), QTime(6, 7, 8), Qt::LocalTime);
    QFile file(folder.file("old.jpg"));
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.setFileTime(written, QFileDevice::FileModificationTime));
    file.close();
    const FileNameScanResult result = ScanImageFiles(folder.path());
    ASSERT_NE(Find(result, "old.jpg"), nullptr);
    EXPECT_EQ(Find(result, "old.jpg")->date, QStringLiteral("2019/04/05 06:07:08"));
}

TEST_F(FileNameScanTest, LinksToFilesCountAndLinksToFoldersDoNot)
{
    test::WriteBytes(folder.file("real.jpg"), "x");
    ASSERT_TRUE(QDir().mkdir(folder.file("dir")));
    ASSERT_TRUE(QFile::link(folder.file("real.jpg"), folder.file("link.jpg")));
    ASSERT_TRUE(QFile::link(folder.file("dir"), folder.file("dirlink.jpg")));
    ASSERT_TRUE(QFile::link(folder.file("gone.jpg"), folder.file("dangling.jpg")));
    EXPECT_EQ(SortedNames(ScanImageFiles(folder.path())), (QStringList{"link.jpg", "real.jpg"}));
}

TEST_F(FileNameScanTest, PipesAndSocketsNamedLikePicturesAreNotListed)
{
    test::WriteBytes(folder.file("real.jpg"), "x");
    test::FifoTrap trap(folder.file("trap.jpg"));
    ASSERT_TRUE(trap.made());
    ASSERT_TRUE(test::MakeSocketFile(folder.file("socket.png")));
    ASSERT_TRUE(QFile::link(folder.file("trap.jpg"), folder.file("link.jpg")));
    EXPECT_EQ(SortedNames(ScanImageFiles(folder.path())), QStringList{"real.jpg"});
}

TEST_F(FileNameScanTest, ItemsComeInNameOrderLetterCaseIgnoredFirst)
{
    // Created neither in name order nor in its reverse, so no file system hands them back sorted.
    for (const char* name : {"c.jpg", "a.jpg", "D.JPG", "B.png", "A.jpg", "b.bmp", "a.gif"})
        test::WriteBytes(folder.file(QString::fromLatin1(name)), "x");
    QStringList names;
    for (const FileViewEntry& entry : ScanImageFiles(folder.path()).entries)
        names.append(entry.name);
    EXPECT_EQ(names, (QStringList{"a.gif", "A.jpg", "a.jpg", "b.bmp", "B.png", "c.jpg", "D.JPG"}));
}

TEST_F(FileNameScanTest, FindingAndListingTakeTheSameFilesListingInNameOrder)
{
    for (const char* name : {"c.jpg", "a.jpg", "D.JPG", "B.png", "notes.txt", "A.jpg"})
        test::WriteBytes(folder.file(QString::fromLatin1(name)), "x");
    const auto names = [](const platform::FolderListing& listing) {
        QStringList list;
        for (const platform::FolderEntry& entry : listing.entries)
            list.append(entry.name);
        return list;
    };
    QStringList found = names(FindImageFiles(folder.path()));
    const QStringList listed = names(ListImageFiles(folder.path()));
    EXPECT_EQ(listed, (QStringList{"A.jpg", "a.jpg", "B.png", "c.jpg", "D.JPG"}));
    found.sort();
    QStringList sortedListed = listed;
    sortedListed.sort();
    EXPECT_EQ(found, sortedListed);
}

TEST_F(FileNameScanTest, MissingFolderReportsTheError)
{
    const FileNameScanResult result = ScanImageFiles(folder.file("missing/"));
    EXPECT_EQ(result.error, ENOENT);
    EXPECT_TRUE(result.entries.isEmpty());
}

TEST_F(FileNameScanTest, DetailsComeInNameOrderInGrowingPartsLeavingOutFilesGoneSince)
{
    QStringList expected;
    for (int i = 0; i < 3000; ++i) {
        const QString name = QStringLiteral("p%1.jpg").arg(i, 4, 10, QChar(u'0'));
        test::WriteBytes(folder.file(name), QByteArray(i % 10, 'x'));
        expected << name;
    }
    platform::FolderListing listing = FindImageFiles(folder.path());
    ASSERT_EQ(listing.entries.size(), 3000);
    // Whatever order the file system lists them in, a reversed name order among them: the details
    // still come in name order.
    std::sort(listing.entries.begin(), listing.entries.end(),
              [](const platform::FolderEntry& a, const platform::FolderEntry& b) { return a.name > b.name; });
    std::rotate(listing.entries.begin(), listing.entries.begin() + 1234, listing.entries.end());
    // Gone between the listing and the look at its details.
    ASSERT_TRUE(QFile::remove(folder.file("p0100.jpg")));
    expected.removeOne(QStringLiteral("p0100.jpg"));
    QList<qsizetype> parts;
    QStringList names;
    const int delivered =
        DescribeImageFiles(folder.path(), listing.entries, {}, [&](QList<FileViewEntry> entries) {
            parts << entries.size();
            for (const FileViewEntry& entry : entries) {
                names << entry.name;
                EXPECT_EQ(entry.size, std::uint64_t(entry.name.mid(1, 4).toInt() % 10))
                    << entry.name.toStdString();
            }
        });
    EXPECT_EQ(delivered, 2999);
    EXPECT_EQ(names, expected);
    ASSERT_GT(parts.size(), 2);
    // A small first part, so that the first rows need not wait for the rest.
    EXPECT_LE(parts.first(), 256);
    EXPECT_GT(parts.last(), parts.first());

    // A stop between parts ends the work.
    int calls = 0;
    DescribeImageFiles(
        folder.path(), listing.entries, [&calls] { return calls > 0; },
        [&calls](QList<FileViewEntry>) { ++calls; });
    EXPECT_EQ(calls, 1);
}

} // namespace velmora
