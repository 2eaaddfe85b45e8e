#include "tests/support/TestSupport.h"
#include "tests/windows/TreeMaker.h"

#include "windows/search/FolderSearch.h"
#include "windows/search/SearchBatcher.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <cerrno>
#include <unistd.h>

using namespace velmora;
using namespace velmora::test;

namespace {

struct Walk {
    QStringList finds;
    QList<UnreadableFolder> unreadable;
    QList<int> batchSizes;
    int stopAfter = -1; // stop requests answered "no" this many times, then "yes"
    int asked = 0;

    SearchCallbacks callbacks()
    {
        return {[this] { return stopAfter >= 0 && asked++ >= stopAfter; },
                [this](const QStringList& found) {
                    finds += found;
                    batchSizes << int(found.size());
                },
                [this](const UnreadableFolder& folder) { unreadable << folder; }};
    }
};

QStringList Under(const QString& root, const QStringList& relative)
{
    QStringList paths;
    for (const QString& path : relative)
        paths << root + path;
    return paths;
}

} // namespace

TEST(FolderSearch, SubFoldersLastToFirstAndAFoldersFindsAfterThoseBelowIt)
{
    TempFolder root;
    MakeTree(root.path(), {"T/t.jpg", "T/notes.txt", "T/A/a.JPG", "T/A/A1/a1.png", "T/B/b.gif", "T/B/readme",
                           "T/c/", "T/b2/z.bmp", "T/b2/Y.Tif", "T/b2/x.jpeg"});
    Walk walk;
    FolderSearch search(walk.callbacks());
    EXPECT_EQ(search.SearchFolder(root.path() + "T"), SearchEnd::Complete);
    // Sub-folders by name, letter case ignored: A, B, b2, c; visited c, b2, B, A.
    EXPECT_EQ(walk.finds, Under(root.path(), {"T/b2/x.jpeg", "T/b2/Y.Tif", "T/b2/z.bmp", "T/B/b.gif",
                                              "T/A/A1/a1.png", "T/A/a.JPG", "T/t.jpg"}));
    EXPECT_EQ(walk.batchSizes, (QList<int>{3, 1, 1, 1, 1})) << "one hand-over a folder with finds";
    EXPECT_EQ(search.found(), 7);
    EXPECT_TRUE(walk.unreadable.isEmpty());
}

TEST(FolderSearch, AStartWithoutSubFoldersAndTheRootGiveOneSeparator)
{
    TempFolder root;
    MakeTree(root.path(), {"flat/b.png", "flat/a.png"});
    Walk flat;
    FolderSearch(flat.callbacks()).SearchFolder(root.path() + "flat/");
    EXPECT_EQ(flat.finds, Under(root.path(), {"flat/a.png", "flat/b.png"}));

    // The root as start: its entries are "/" and the name.
    Walk top;
    FolderSearch rootSearch(top.callbacks(), MaxListEntries,
                            [](const QString& folder, const platform::ScanOptions&) {
                                platform::FolderListing listing;
                                if (folder == u"/")
                                    listing.entries = {{QStringLiteral("x.jpg"), false, false, 0, 0}};
                                return listing;
                            });
    rootSearch.SearchFolder(QStringLiteral("/"));
    EXPECT_EQ(top.finds, QStringList{"/x.jpg"});
    EXPECT_EQ(FolderText(QStringLiteral("/")), QStringLiteral("/"));
    EXPECT_EQ(FolderText(QStringLiteral("/home/ann/")), QStringLiteral("/home/ann"));
}

TEST(FolderSearch, LinksToFoldersAreNotFollowedLinksToFilesAreTaken)
{
    TempFolder root;
    MakeTree(root.path(), {"T/real/r.jpg", "elsewhere/e.png", "elsewhere/deep/d.png"});
    MakeLink(root.path() + "T", root.path() + "T/real/loop");    // back up the tree
    MakeLink(root.path() + "elsewhere", root.path() + "T/away"); // a folder outside
    MakeLink(root.path() + "elsewhere/e.png", root.path() + "T/linked.png");
    MakeLink(root.path() + "nothing.jpg", root.path() + "T/dangling.jpg");
    Walk walk;
    EXPECT_EQ(FolderSearch(walk.callbacks()).SearchFolder(root.path() + "T"), SearchEnd::Complete);
    EXPECT_EQ(walk.finds, Under(root.path(), {"T/real/r.jpg", "T/linked.png"}));
}

TEST(FolderSearch, AnUnreadableFolderIsPassedOverAndTheWalkGoesOn)
{
    TempFolder root;
    MakeTree(root.path(), {"T/a/a.jpg", "T/locked/l.jpg", "T/z/z.jpg", "T/t.jpg"});
    // The file system's own refusal where the test may feel it (not as root)...
    if (geteuid() != 0) {
        ASSERT_EQ(::chmod(QFile::encodeName(root.path() + "T/locked").constData(), 0), 0);
        Walk walk;
        FolderSearch(walk.callbacks()).SearchFolder(root.path() + "T");
        ::chmod(QFile::encodeName(root.path() + "T/locked").constData(), 0755);
        EXPECT_EQ(walk.finds, Under(root.path(), {"T/z/z.jpg", "T/a/a.jpg", "T/t.jpg"}));
        ASSERT_EQ(walk.unreadable.size(), 1);
        EXPECT_EQ(walk.unreadable[0].path, root.path() + "T/locked");
        EXPECT_EQ(walk.unreadable[0].error, EACCES);
    }
    // ...and always through a listing that fails the same way.
    Walk walk;
    FolderSearch search(walk.callbacks(), MaxListEntries,
                        [](const QString& folder, const platform::ScanOptions& options) {
                            platform::FolderListing listing = platform::ScanFolder(folder, options);
                            if (folder.endsWith(u"/locked/")) {
                                listing.entries.clear();
                                listing.error = EIO;
                            }
                            return listing;
                        });
    EXPECT_EQ(search.SearchFolder(root.path() + "T"), SearchEnd::Complete);
    EXPECT_EQ(walk.finds, Under(root.path(), {"T/z/z.jpg", "T/a/a.jpg", "T/t.jpg"}));
    ASSERT_EQ(walk.unreadable.size(), 1);
    EXPECT_EQ(walk.unreadable[0].error, EIO);
}

TEST(FolderSearch, AFolderThatVanishesDuringTheWalkIsPassedOver)
{
    TempFolder root;
    MakeTree(root.path(), {"T/a/a.jpg", "T/b/b.jpg", "T/c/c.jpg", "T/c/inner/i.jpg"});
    Walk walk;
    // Once c (the first visited) has been listed, b and the inside of c disappear from the disk.
    FolderSearch search(walk.callbacks(), MaxListEntries,
                        [&](const QString& folder, const platform::ScanOptions& options) {
                            platform::FolderListing listing = platform::ScanFolder(folder, options);
                            if (folder.endsWith(u"/T/c/")) {
                                QDir(root.path() + "T/b").removeRecursively();
                                QDir(root.path() + "T/c/inner").removeRecursively();
                            }
                            return listing;
                        });
    EXPECT_EQ(search.SearchFolder(root.path() + "T"), SearchEnd::Complete);
    EXPECT_EQ(walk.finds, Under(root.path(), {"T/c/c.jpg", "T/a/a.jpg"}));
    ASSERT_EQ(walk.unreadable.size(), 2);
    EXPECT_EQ(walk.unreadable[0].path, root.path() + "T/c/inner");
    EXPECT_EQ(walk.unreadable[1].path, root.path() + "T/b");
    EXPECT_EQ(walk.unreadable[1].error, ENOENT);
}

TEST(FolderSearch, AMissingOrUnsetStartIsReportedNotSearched)
{
    TempFolder root;
    Walk missing;
    EXPECT_EQ(FolderSearch(missing.callbacks()).SearchFolder(root.path() + "gone/"), SearchEnd::Complete);
    ASSERT_EQ(missing.unreadable.size(), 1);
    EXPECT_EQ(missing.unreadable[0].path, root.path() + "gone");

    // An empty start is no folder at all, and above all not the root.
    Walk unset;
    bool listedAnything = false;
    FolderSearch(unset.callbacks(), MaxListEntries, [&](const QString&, const platform::ScanOptions&) {
        listedAnything = true;
        return platform::FolderListing{};
    }).SearchFolder(QString());
    EXPECT_FALSE(listedAnything);
    EXPECT_EQ(unset.unreadable.size(), 1);
    EXPECT_TRUE(unset.finds.isEmpty());
}

TEST(FolderSearch, AFullListEndsTheSearchKeepingTheFindsThatFit)
{
    TempFolder root;
    MakeTree(root.path(), {"T/sub/1.jpg", "T/sub/2.jpg", "T/t1.jpg", "T/t2.jpg", "T/t3.jpg"});
    Walk full;
    FolderSearch search(full.callbacks(), 4);
    EXPECT_EQ(search.SearchFolder(root.path() + "T"), SearchEnd::Full);
    EXPECT_EQ(full.finds, Under(root.path(), {"T/sub/1.jpg", "T/sub/2.jpg", "T/t1.jpg", "T/t2.jpg"}));
    EXPECT_EQ(search.found(), 4);

    Walk exact;
    EXPECT_EQ(FolderSearch(exact.callbacks(), 5).SearchFolder(root.path() + "T"), SearchEnd::Complete)
        << "a list filled to the last place is not yet full";
    EXPECT_EQ(exact.finds.size(), 5);
}

TEST(FolderSearch, AStopEndsTheWalkAtTheNextFolderKeepingEarlierFinds)
{
    TempFolder root;
    MakeTree(root.path(), {"T/a/a.jpg", "T/b/b.jpg", "T/c/c.jpg", "T/t.jpg"});
    Walk walk;
    walk.stopAfter = 2; // T and c are visited, then the stop is seen before b
    EXPECT_EQ(FolderSearch(walk.callbacks()).SearchFolder(root.path() + "T"), SearchEnd::Stopped);
    EXPECT_EQ(walk.finds, Under(root.path(), {"T/c/c.jpg"})) << "T's own finds would come last";

    Walk atOnce;
    atOnce.stopAfter = 0;
    EXPECT_EQ(FolderSearch(atOnce.callbacks()).SearchFolder(root.path() + "T"), SearchEnd::Stopped);
    EXPECT_TRUE(atOnce.finds.isEmpty());
}

TEST(SearchBatcher, HandsOnFindsInBatchesAndEverythingAtTheEnd)
{
    QList<SearchBatch> batches;
    SearchBatcher bySize([&](SearchBatch batch) { batches << batch; }, 3, 1000000);
    bySize.addFinds({"/1", "/2"});
    EXPECT_TRUE(batches.isEmpty());
    bySize.addFinds({"/3", "/4"});
    ASSERT_EQ(batches.size(), 1);
    EXPECT_EQ(batches[0].finds, (QStringList{"/1", "/2", "/3", "/4"}));
    bySize.addUnreadable({QStringLiteral("/x"), EACCES});
    bySize.flushWhenDue();
    EXPECT_EQ(batches.size(), 1);
    bySize.flush();
    ASSERT_EQ(batches.size(), 2);
    EXPECT_TRUE(batches[1].finds.isEmpty());
    EXPECT_EQ(batches[1].unreadable.size(), 1);
    bySize.flush();
    EXPECT_EQ(batches.size(), 2) << "nothing waiting, nothing handed on";

    QList<SearchBatch> timed;
    SearchBatcher byTime([&](SearchBatch batch) { timed << batch; }, 1000, 0);
    byTime.addFinds({"/1"});
    byTime.addFinds({"/2"});
    EXPECT_EQ(timed.size(), 2);
}

TEST(FolderSearch, HiddenFilesAndFoldersArePassedOverButAHiddenStartIsWalked)
{
    TempFolder root;
    MakeTree(root.path(),
             {".home/visible.jpg", ".home/.hidden.jpg", ".home/.cache/thumbnails/large/t.png",
              ".home/.local/share/Trash/files/gone.jpg", ".home/pics/a.png", ".home/pics/.thumbs/a.png"});
    Walk walk;
    EXPECT_EQ(FolderSearch(walk.callbacks()).SearchFolder(root.path() + ".home"), SearchEnd::Complete);
    EXPECT_EQ(walk.finds, Under(root.path(), {".home/pics/a.png", ".home/visible.jpg"}));
}
