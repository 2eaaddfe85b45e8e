#include "tests/support/SpecialFiles.h"
#include "tests/support/TestSupport.h"

#include "platform/FolderScan.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using namespace velmora;
using namespace velmora::test;

TEST(FolderScan, AStopIsSeenInsideTheListingOfAHugeFolder)
{
    TempFolder root;
    ASSERT_TRUE(QDir(root.path()).mkdir("big"));
    for (int i = 0; i < 3000; ++i)
        WriteBytes(root.path() + QStringLiteral("big/%1.jpg").arg(i), "x");
    int asked = 0;
    platform::ScanOptions options;
    options.stopRequested = [&] { return ++asked > 2; };
    const platform::FolderListing listing = platform::ScanFolder(root.path() + "big", options);
    EXPECT_TRUE(listing.stopped);
    EXPECT_EQ(listing.error, 0);
    EXPECT_LT(listing.entries.size(), 3000);
    EXPECT_EQ(platform::ScanFolder(root.path() + "big").entries.size(), 3000);
}

TEST(FolderScan, PipesSocketsAndDevicesAreLeftOutAndLinksToPicturesKept)
{
    TempFolder root;
    WriteBytes(root.file(QStringLiteral("real.jpg")), "x");
    ASSERT_TRUE(QFile::link(root.file(QStringLiteral("real.jpg")), root.file(QStringLiteral("link.jpg"))));
    ASSERT_TRUE(QDir(root.path()).mkdir(QStringLiteral("sub.jpg")));
    FifoTrap fifo(root.file(QStringLiteral("trap.jpg")));
    ASSERT_TRUE(fifo.made());
    ASSERT_TRUE(MakeSocketFile(root.file(QStringLiteral("socket.jpg"))));
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/null"), root.file(QStringLiteral("null.jpg"))));
    ASSERT_TRUE(QFile::link(root.file(QStringLiteral("trap.jpg")), root.file(QStringLiteral("to-trap.jpg"))));

    for (const bool details : {false, true}) {
        platform::ScanOptions options;
        options.folders = true;
        options.details = details;
        QStringList files;
        QStringList folders;
        for (const platform::FolderEntry& entry : platform::ScanFolder(root.path(), options).entries)
            (entry.folder ? folders : files) << entry.name;
        files.sort();
        EXPECT_EQ(files, (QStringList{QStringLiteral("link.jpg"), QStringLiteral("real.jpg")})) << details;
        EXPECT_EQ(folders, QStringList{QStringLiteral("sub.jpg")}) << details;
    }
}
