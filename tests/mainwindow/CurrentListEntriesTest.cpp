#include "tests/mainwindow/FakeSources.h"
#include "tests/support/TestSupport.h"

#include "core/ListFiles.h"
#include "core/Prompt.h"
#include "mainwindow/change/WallpaperChanger.h"
#include "mainwindow/lists/CurrentListEntries.h"
#include "mainwindow/lists/ListEditing.h"

#include <gtest/gtest.h>

using namespace velmora;
using namespace velmora::test;

namespace {

struct Rig {
    Settings settings;
    FakeFolder folder;
    FakeList list;
    FakeInstaller installer;
    WallpaperChanger changer{settings, folder, list, installer};
    ListEditing editing{list, changer};
    CurrentListEntries current{list, editing};
};

} // namespace

TEST(CurrentListEntries, ThePatrolAppendsWhateverIsSelectedTheSearchInsertsByTheRule)
{
    Rig rig;
    rig.list.entries = {"/a.jpg", "/b.jpg", "/c.jpg"};
    rig.list.current = 2;
    rig.current.insertEntries({"/1.jpg", "/2.jpg"});
    EXPECT_EQ(rig.list.entries, (QStringList{"/a.jpg", "/b.jpg", "/1.jpg", "/2.jpg", "/c.jpg"}));
    EXPECT_EQ(rig.list.current, 4);

    rig.current.appendEntries({"/3.jpg"});
    EXPECT_EQ(rig.list.entries.last(), "/3.jpg") << "a timer's selection does not move the patrol's entries";
    rig.current.clear();
    EXPECT_EQ(rig.current.count(), 0);
    EXPECT_TRUE(rig.installer.calls.isEmpty());
}

TEST(CurrentListEntries, AppendingStopsAtTheListLimit)
{
    Rig rig;
    QStringList many;
    for (int i = 0; i < MaxListEntries - 1; ++i)
        many << QString::number(i);
    rig.list.entries = many;
    rig.current.appendEntries({"/1.jpg", "/2.jpg"});
    EXPECT_EQ(rig.current.count(), MaxListEntries);
}
