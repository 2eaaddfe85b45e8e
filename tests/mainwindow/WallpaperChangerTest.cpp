#include "tests/mainwindow/FakeSources.h"
#include "tests/support/TestSupport.h"

#include "mainwindow/change/WallpaperChanger.h"

#include <gtest/gtest.h>

#include <deque>

using namespace velmora;
using namespace velmora::test;

namespace {

struct Rig {
    Settings settings;
    FakeFolder folder;
    FakeList list;
    FakeInstaller installer;
    std::deque<double> draws;
    WallpaperChanger changer{settings, folder, list, installer, [this] {
                                 const double r = draws.front();
                                 draws.pop_front();
                                 return r;
                             }};

    Rig()
    {
        settings.CurrentDirectory = QStringLiteral("/pics/");
        list.onSelection = [this] { changer.ListSelectionChanged(); };
    }
};

} // namespace

TEST(AutoChange, SequentialFolderModeWrapsAround)
{
    Rig rig;
    rig.settings.ListMode = 1;
    rig.folder.items = {"1.jpg", "2.jpg", "3.jpg", "4.jpg", "5.jpg"};
    rig.folder.current = 5;
    rig.changer.AutoChange();
    EXPECT_EQ(rig.folder.current, 1);
    EXPECT_EQ(rig.settings.FileIndex1, 1);
    rig.folder.current = 2;
    rig.changer.AutoChange();
    EXPECT_EQ(rig.folder.current, 3);
    EXPECT_EQ(rig.settings.FileIndex1, 3);
    EXPECT_EQ(rig.installer.calls.mid(2), (QStringList{"load /pics/3.jpg", "apply /pics/3.jpg"}));

    rig.folder.current = 0;
    rig.changer.AutoChange();
    EXPECT_EQ(rig.folder.current, 2) << "nothing selected: item 1 first, then the next";
}

TEST(AutoChange, SequentialListModeInstallsOnceAndRecordsThePosition)
{
    Rig rig;
    rig.settings.ListMode = 2;
    rig.settings.PreviewPauseMode = 0;
    rig.list.entries = {"/a.jpg", "/b.jpg", "/c.jpg", "/d.jpg"};
    rig.list.current = 3;
    rig.changer.AutoChange();
    EXPECT_EQ(rig.list.current, 0);
    EXPECT_EQ(rig.settings.FileIndex2, 0);
    EXPECT_EQ(rig.installer.calls, (QStringList{"load /a.jpg", "apply /a.jpg"}));

    rig.installer.calls.clear();
    rig.list.current = -1;
    rig.changer.AutoChange();
    EXPECT_EQ(rig.list.current, 1) << "entry 0 is selected first, then the change moves on";
    EXPECT_EQ(rig.installer.calls, (QStringList{"load /b.jpg", "apply /b.jpg"}));
    EXPECT_FALSE(rig.changer.SuppressListClick);
}

TEST(AutoChange, APicturePerMonitorMovesThePositionOnOncePerMonitor)
{
    Rig rig;
    rig.installer.pictures = 3;
    rig.settings.ListMode = 2;
    rig.settings.PreviewPauseMode = 1;
    rig.list.entries = {"/a.jpg", "/b.jpg", "/c.jpg", "/d.jpg"};
    rig.list.current = 1;
    rig.changer.AutoChange();
    EXPECT_EQ(rig.installer.calls, (QStringList{"load /c.jpg", "following /d.jpg /a.jpg", "apply /c.jpg"}));
    EXPECT_EQ(rig.list.current, 0) << "the next change goes on after the last monitor's picture";
    EXPECT_EQ(rig.settings.FileIndex2, 0);
    EXPECT_EQ(rig.changer.PendingWallpaper, QStringLiteral("/c.jpg")) << "the preview's is the first";

    rig.installer.calls.clear();
    rig.settings.ListMode = 1;
    rig.installer.pictures = 2;
    rig.folder.items = {"1.jpg", "2.jpg", "3.jpg"};
    rig.folder.current = 2;
    rig.changer.AutoChange();
    EXPECT_EQ(rig.installer.calls,
              (QStringList{"load /pics/3.jpg", "following /pics/1.jpg", "apply /pics/3.jpg"}));
    EXPECT_EQ(rig.settings.FileIndex1, 1);

    rig.installer.calls.clear();
    rig.settings.ChangeMode = 0;
    rig.draws = {0.5, 0.0};
    rig.changer.AutoChange();
    EXPECT_EQ(rig.installer.calls,
              (QStringList{"load /pics/2.jpg", "following /pics/1.jpg", "apply /pics/2.jpg"}))
        << "in random order each monitor draws";
}

TEST(AutoChange, RandomDrawsAndEmptySources)
{
    Rig rig;
    rig.settings.ChangeMode = 0;
    rig.settings.ListMode = 2;
    rig.list.entries = {"/a.jpg", "/b.jpg", "/c.jpg"};
    rig.list.current = 0;
    rig.draws = {0.99};
    rig.changer.AutoChange();
    EXPECT_EQ(rig.list.current, 2);

    rig.list.entries = {"/only.jpg"};
    rig.list.current = 0;
    rig.draws = {0.5};
    rig.changer.AutoChange();
    EXPECT_EQ(rig.installer.calls.last(), QStringLiteral("apply /only.jpg"));

    rig.settings.ListMode = 1;
    rig.installer.calls.clear();
    rig.changer.AutoChange();
    rig.settings.ListMode = 2;
    rig.list.entries.clear();
    rig.list.current = -1;
    rig.changer.AutoChange();
    EXPECT_TRUE(rig.installer.calls.isEmpty()) << "empty sources change nothing";
}

TEST(Timer, ChangesEveryChangeTimerTicksAndAlwaysInstalls)
{
    Rig rig;
    rig.settings.ListMode = 2;
    rig.settings.ChangeTimer = 5;
    rig.settings.PreviewPauseMode = 1;
    rig.list.entries = {"/a.jpg", "/b.jpg"};
    for (int tick = 1; tick <= 4; ++tick)
        rig.changer.Tick();
    EXPECT_TRUE(rig.installer.calls.isEmpty());
    rig.changer.Tick();
    EXPECT_EQ(rig.installer.calls, (QStringList{"load /b.jpg", "timer-apply /b.jpg"}))
        << "the timer's changes are marked so that a failing desktop is not reported at each one";
    EXPECT_EQ(rig.changer.TickCount, 0);
    for (int tick = 1; tick <= 5; ++tick)
        rig.changer.Tick();
    EXPECT_EQ(rig.installer.calls.last(), QStringLiteral("timer-apply /a.jpg"));

    rig.list.entries.clear();
    rig.list.current = -1;
    rig.changer.TickCount = 4;
    rig.changer.Tick();
    EXPECT_EQ(rig.changer.TickCount, 0) << "an empty source still resets the count";
}

TEST(Timer, TicksDuringARunningChangeStartNoSecondOneAndItsEndRestartsTheCount)
{
    Rig rig;
    rig.settings.ListMode = 2;
    rig.settings.ChangeTimer = 2;
    rig.list.entries = {"/a.jpg", "/b.jpg"};
    rig.changer.Tick();
    rig.changer.Tick();
    ASSERT_EQ(rig.installer.calls.size(), 2);
    rig.installer.working = true; // the change composes in the background
    for (int tick = 1; tick <= 5; ++tick)
        rig.changer.Tick();
    EXPECT_EQ(rig.installer.calls.size(), 2);
    rig.changer.AutoChange();
    EXPECT_EQ(rig.installer.calls.size(), 2) << "nor does any other change";
    rig.installer.working = false;
    rig.changer.ChangeEnded();
    EXPECT_EQ(rig.changer.TickCount, 0);
    rig.changer.Tick();
    EXPECT_EQ(rig.installer.calls.size(), 2) << "a full interval after the end of the change";
    rig.changer.Tick();
    EXPECT_EQ(rig.installer.calls.size(), 4);
}

TEST(Clicks, ListClickPreviewsUntilThePreviewIsClicked)
{
    Rig rig;
    rig.settings.PreviewPauseMode = 1;
    rig.list.entries = {"/a.jpg", "/b.jpg"};
    rig.list.select(1);
    EXPECT_EQ(rig.installer.calls, QStringList{"load /b.jpg"});
    EXPECT_EQ(rig.changer.PendingWallpaper, QStringLiteral("/b.jpg"));
    EXPECT_EQ(rig.settings.FileIndex2, 1);
    rig.changer.PreviewClicked();
    rig.changer.PreviewClicked();
    EXPECT_EQ(rig.installer.calls.mid(1), (QStringList{"apply /b.jpg", "apply /b.jpg"}));

    rig.settings.PreviewPauseMode = 0;
    rig.installer.calls.clear();
    rig.list.select(0);
    EXPECT_EQ(rig.installer.calls, (QStringList{"load /a.jpg", "apply /a.jpg"}));
}

TEST(Clicks, FileItemClickedTwiceLoadsOnce)
{
    Rig rig;
    rig.settings.PreviewPauseMode = 0;
    rig.folder.items = {"a.jpg", "b.jpg"};
    auto click = [&](int index) {
        rig.folder.current = index;
        rig.changer.FileItemClicked(index);
    };
    click(1);
    click(1);
    EXPECT_EQ(rig.installer.calls, (QStringList{"load /pics/a.jpg", "apply /pics/a.jpg"}));
    click(1);
    EXPECT_EQ(rig.installer.calls.size(), 4) << "a third click loads again";
    EXPECT_EQ(rig.settings.FileIndex1, 1);

    rig.settings.ListMode = 1;
    rig.changer.AutoChange(); // the timer moves on to b
    rig.installer.calls.clear();
    click(1);
    EXPECT_TRUE(rig.installer.calls.isEmpty()) << "a is still the last clicked item";
}

TEST(RestoreSelection, SelectsWithoutInstallingAndSkipsOutOfRange)
{
    Rig rig;
    rig.folder.items = {"a.jpg", "b.jpg"};
    rig.list.entries = {"/a.jpg", "/b.jpg", "/c.jpg"};
    rig.settings.FileIndex1 = 2;
    rig.settings.FileIndex2 = 2;
    rig.changer.RestoreSelection();
    EXPECT_EQ(rig.folder.current, 2);
    EXPECT_EQ(rig.list.current, 2);
    EXPECT_TRUE(rig.installer.calls.isEmpty());
    EXPECT_FALSE(rig.changer.SuppressListClick);

    Rig beyond;
    beyond.folder.items = {"a.jpg"};
    beyond.list.entries = {"/a.jpg"};
    beyond.settings.FileIndex1 = 3;
    beyond.settings.FileIndex2 = 1;
    beyond.changer.RestoreSelection();
    EXPECT_EQ(beyond.folder.current, 0);
    EXPECT_EQ(beyond.list.current, -1);
    beyond.settings.FileIndex1 = 0;
    beyond.changer.RestoreSelection();
    EXPECT_EQ(beyond.folder.current, 0);
}
