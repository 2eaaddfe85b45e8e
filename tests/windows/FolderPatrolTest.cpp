#include "tests/support/TestSupport.h"
#include "tests/windows/TreeMaker.h"

#include "core/Prompt.h"
#include "windows/patrol/FolderPatrol.h"

#include <gtest/gtest.h>

using namespace velmora;
using namespace velmora::test;

namespace {

struct Patrolled {
    QStringList entries;
    QStringList events;
    ScriptedPrompter prompter;
    PrompterScope scope{prompter};

    PatrolCallbacks callbacks()
    {
        return {
            {},
            [this](int index, int count) { events << QStringLiteral("listed %1: %2").arg(index).arg(count); },
            [this](int, const QStringList& found, int last) {
                entries += found;
                events << QStringLiteral("entries to %1").arg(last);
            },
            [this](int index) { events << QStringLiteral("done %1").arg(index); }};
    }
};

} // namespace

TEST(FolderPatrol, TakesEachFoldersImageFilesInNameOrderWithOneSeparator)
{
    TempFolder root;
    MakeTree(root.path(), {"one/b.jpg", "one/A.JPG", "one/c.Jpeg", "one/notes.txt", "one/sub/deep.jpg",
                           "two/z.png", "two/readme"});
    Patrolled run;
    FolderPatrol patrol(run.callbacks());
    // The first folder is written without its trailing separator, the second with it.
    EXPECT_EQ(patrol.Run({root.path() + "one", root.path() + "two/"}), PatrolEnd::Complete);
    EXPECT_EQ(run.entries, (QStringList{root.path() + "one/A.JPG", root.path() + "one/b.jpg",
                                        root.path() + "one/c.Jpeg", root.path() + "two/z.png"}));
    EXPECT_EQ(run.events, (QStringList{"listed 0: 3", "entries to 2", "done 0", "listed 1: 1", "entries to 0",
                                       "done 1"}));
    EXPECT_EQ(run.prompter.count(), 0);
}

TEST(FolderPatrol, AnEmptyFolderListTakesNothing)
{
    Patrolled run;
    EXPECT_EQ(FolderPatrol(run.callbacks()).Run({}), PatrolEnd::Complete);
    EXPECT_TRUE(run.entries.isEmpty());
    EXPECT_TRUE(run.events.isEmpty());
}

TEST(FolderPatrol, AFolderThatCannotBeListedIsAskedAboutAndIgnoreSkipsItsFiles)
{
    TempFolder root;
    MakeTree(root.path(), {"one/a.jpg", "three/c.jpg"});
    const QStringList folders{root.path() + "one/", root.path() + "gone/", root.path() + "three/"};

    Patrolled ignored;
    ignored.prompter.push(Answer::Retry); // still not there
    ignored.prompter.push(Answer::Ignore);
    EXPECT_EQ(FolderPatrol(ignored.callbacks()).Run(folders), PatrolEnd::Complete);
    EXPECT_EQ(ignored.entries, (QStringList{root.path() + "one/a.jpg", root.path() + "three/c.jpg"}))
        << "no names of the previous folder stand in for the missing one";
    ASSERT_EQ(ignored.prompter.count(), 2);
    EXPECT_EQ(ignored.prompter.requests()[0].kind, PromptKind::AbortRetryIgnore);
    EXPECT_EQ(ignored.prompter.texts()[0],
              QStringLiteral("パスが見つかりません。\n") + root.path() + "gone/");
    EXPECT_TRUE(ignored.events.contains("done 1"));

    Patrolled aborted;
    aborted.prompter.push(Answer::Abort);
    EXPECT_EQ(FolderPatrol(aborted.callbacks()).Run(folders), PatrolEnd::Aborted);
    EXPECT_EQ(aborted.entries, QStringList{root.path() + "one/a.jpg"});

    // An empty line of the folder file is no folder either (and not the root).
    Patrolled empty;
    empty.prompter.push(Answer::Ignore);
    EXPECT_EQ(FolderPatrol(empty.callbacks()).Run({QString()}), PatrolEnd::Complete);
    EXPECT_EQ(empty.prompter.count(), 1);
    EXPECT_TRUE(empty.entries.isEmpty());
}

TEST(FolderPatrol, StopsAtTheListLimitAndNamesTheFolder)
{
    TempFolder root;
    MakeTree(root.path(), {"one/1.jpg", "one/2.jpg", "two/3.jpg", "two/4.jpg", "three/5.jpg"});
    Patrolled run;
    FolderPatrol patrol(run.callbacks(), 3);
    EXPECT_EQ(patrol.Run({root.path() + "one", root.path() + "two", root.path() + "three"}), PatrolEnd::Full);
    EXPECT_EQ(run.entries.size(), 3);
    EXPECT_EQ(patrol.fullFolder(), root.path() + "two");

    Patrolled exact;
    EXPECT_EQ(FolderPatrol(exact.callbacks(), 4).Run({root.path() + "one", root.path() + "two"}),
              PatrolEnd::Complete);
}

TEST(FolderPatrol, AStopEndsBeforeTheNextFolder)
{
    TempFolder root;
    MakeTree(root.path(), {"one/1.jpg", "two/2.jpg"});
    Patrolled run;
    PatrolCallbacks callbacks = run.callbacks();
    int asked = 0;
    callbacks.stopRequested = [&] { return ++asked > 1; };
    EXPECT_EQ(FolderPatrol(callbacks).Run({root.path() + "one", root.path() + "two"}), PatrolEnd::Stopped);
    EXPECT_EQ(run.entries, QStringList{root.path() + "one/1.jpg"});
}

TEST(FolderPatrol, HiddenFilesAreNotTakenFromAChosenFolderEvenAHiddenOne)
{
    TempFolder root;
    MakeTree(root.path(), {".chosen/a.jpg", ".chosen/.b.jpg", ".chosen/.sub/c.jpg"});
    Patrolled run;
    EXPECT_EQ(FolderPatrol(run.callbacks()).Run({root.path() + ".chosen"}), PatrolEnd::Complete);
    EXPECT_EQ(run.entries, QStringList{root.path() + ".chosen/a.jpg"});
}
