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
    ListEditing editing;
    CurrentListEntries current{list, editing}; // the list as the patrol and the search see it

    explicit Rig(QStringList entries, int selected = -1, int capacity = MaxListEntries)
        : editing(list, changer, capacity)
    {
        settings.PreviewPauseMode = 0;
        list.entries = std::move(entries);
        list.current = selected;
        list.onSelection = [this] { changer.ListSelectionChanged(); };
    }
};

} // namespace

TEST(ListEditing, InsertionGoesInFrontOfTheSelectionInOrder)
{
    Rig appended({"/x.jpg"});
    appended.editing.InsertEntries({"/1.jpg", "/2.jpg"});
    EXPECT_EQ(appended.list.entries, (QStringList{"/x.jpg", "/1.jpg", "/2.jpg"}));

    Rig inserted({"/a.jpg", "/b.jpg", "/c.jpg"}, 1);
    inserted.editing.InsertEntries({"/1.jpg", "/2.jpg", "/1.jpg"});
    EXPECT_EQ(inserted.list.entries,
              (QStringList{"/a.jpg", "/1.jpg", "/2.jpg", "/1.jpg", "/b.jpg", "/c.jpg"}));
    EXPECT_EQ(inserted.list.current, 4) << "the selected entry stays selected";
    EXPECT_TRUE(inserted.installer.calls.isEmpty());
}

TEST(ListEditing, InsertionStopsAtTheListLimitAndSaysSo)
{
    Rig rig({"/a.jpg", "/b.jpg", "/c.jpg", "/d.jpg"}, -1, 5);
    ScriptedPrompter prompter;
    PrompterScope scope(prompter);
    rig.editing.InsertEntries({"/1.jpg", "/2.jpg", "/3.jpg"});
    EXPECT_EQ(rig.list.count(), 5);
    ASSERT_EQ(prompter.count(), 1);
    EXPECT_TRUE(prompter.texts()[0].contains(QStringLiteral("2 件")));
}

TEST(ListEditing, AHundredThousandEntriesTakeMore)
{
    QStringList many;
    for (int i = 0; i < 100000; ++i)
        many << QString::number(i);
    Rig rig(many, 40000);
    ScriptedPrompter prompter;
    PrompterScope scope(prompter);
    rig.editing.InsertEntries({"/1.jpg"});
    EXPECT_EQ(rig.list.count(), 100001);
    EXPECT_EQ(rig.list.entries[40000], "/1.jpg");
    rig.current.appendEntries({"/2.jpg"});
    EXPECT_EQ(rig.list.count(), 100002);
    EXPECT_EQ(prompter.count(), 0);
}

TEST(ListEditing, DeleteSelectsTheSuccessorAndAppliesIt)
{
    Rig first({"/a.jpg", "/b.jpg"}, 0);
    first.editing.DeleteSelected();
    EXPECT_EQ(first.list.entries, QStringList{"/b.jpg"});
    EXPECT_EQ(first.list.current, -1);
    EXPECT_TRUE(first.installer.calls.isEmpty());

    Rig middle({"/a.jpg", "/b.jpg", "/c.jpg"}, 1);
    middle.editing.DeleteSelected();
    EXPECT_EQ(middle.list.current, 1);
    EXPECT_EQ(middle.installer.calls, (QStringList{"load /c.jpg", "apply /c.jpg"}));

    Rig last({"/a.jpg", "/b.jpg", "/c.jpg"}, 2);
    last.editing.DeleteSelected();
    EXPECT_EQ(last.list.current, 1);
    EXPECT_EQ(last.installer.calls.last(), QStringLiteral("apply /b.jpg"));

    Rig none({"/a.jpg"});
    none.editing.DeleteSelected();
    EXPECT_EQ(none.list.count(), 1);
}

TEST(ListEditing, MovesKeepTheSelectionAndNeverApply)
{
    Rig rig({"/a.jpg", "/b.jpg", "/c.jpg"}, 1);
    rig.editing.MoveUp();
    EXPECT_EQ(rig.list.entries, (QStringList{"/b.jpg", "/a.jpg", "/c.jpg"}));
    EXPECT_EQ(rig.list.current, 0);
    rig.editing.MoveUp();
    EXPECT_EQ(rig.list.entries, (QStringList{"/b.jpg", "/a.jpg", "/c.jpg"}));
    rig.list.current = 1;
    rig.editing.MoveDown();
    rig.editing.MoveDown();
    EXPECT_EQ(rig.list.entries, (QStringList{"/b.jpg", "/c.jpg", "/a.jpg"}));
    EXPECT_EQ(rig.list.current, 2);
    EXPECT_TRUE(rig.installer.calls.isEmpty());
    EXPECT_FALSE(rig.changer.SuppressListClick);
}

TEST(ListEditing, PruningRemovesMissingFilesAndReports)
{
    TempFolder folder;
    const QString present = folder.file(QStringLiteral("here.jpg"));
    WriteBytes(present, "x");
    Rig rig({"/gone/1.jpg", present, QString(), "/gone/2.jpg", present});
    ScriptedPrompter prompter;
    PrompterScope scope(prompter);
    rig.editing.RemoveMissingFiles();
    EXPECT_EQ(rig.list.entries, (QStringList{present, present}));
    EXPECT_EQ(prompter.texts(), QStringList{"削除完了しました"});
    EXPECT_EQ(prompter.requests()[0].kind, PromptKind::Notice);

    Rig allGone({"/gone/1.jpg"});
    allGone.editing.RemoveMissingFiles();
    EXPECT_EQ(allGone.list.count(), 0);
    EXPECT_EQ(prompter.count(), 2);
}

TEST(ListEditing, ThePatrolAppendsWhateverIsSelectedTheSearchInsertsByTheRule)
{
    Rig rig({"/a.jpg", "/b.jpg", "/c.jpg"}, 2);
    rig.current.insertEntries({"/1.jpg", "/2.jpg"});
    EXPECT_EQ(rig.list.entries, (QStringList{"/a.jpg", "/b.jpg", "/1.jpg", "/2.jpg", "/c.jpg"}));
    EXPECT_EQ(rig.list.current, 4);

    rig.current.appendEntries({"/3.jpg"});
    EXPECT_EQ(rig.list.entries.last(), "/3.jpg") << "a timer's selection does not move the patrol's entries";
    rig.current.clear();
    EXPECT_EQ(rig.current.count(), 0);
    EXPECT_TRUE(rig.installer.calls.isEmpty());

    Rig full({"/a.jpg"}, -1, 2);
    full.current.appendEntries({"/1.jpg", "/2.jpg"});
    EXPECT_EQ(full.list.entries, (QStringList{"/a.jpg", "/1.jpg"})) << "appending stops at the list limit";
}
