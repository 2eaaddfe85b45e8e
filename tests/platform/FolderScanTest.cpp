#include "tests/support/TestSupport.h"

#include "platform/FolderScan.h"

#include <QDir>

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
