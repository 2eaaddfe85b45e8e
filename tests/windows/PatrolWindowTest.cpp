#include "tests/support/TestSupport.h"
#include "tests/windows/FakeCurrentList.h"
#include "tests/windows/TreeMaker.h"

#include "core/Prompt.h"
#include "windows/patrol/PatrolWindow.h"

#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QToolButton>
#include <QVariant>

#include <gtest/gtest.h>

using namespace velmora;
using namespace velmora::test;

namespace {

struct Rig {
    TempFolder program;
    TempFolder pictures;
    FakeCurrentList list;
    ScriptedPrompter prompter;
    PrompterScope scope{prompter};

    std::unique_ptr<PatrolWindow> open()
    {
        return std::make_unique<PatrolWindow>(program.path(), TreeStart{pictures.path(), 1}, list);
    }
    QString folderFile() const { return program.file("lfolder.dat"); }
};

bool RunPatrol(PatrolWindow& window)
{
    QSignalSpy finished(&window, &PatrolWindow::patrolFinished);
    window.cmdRefresh_Click();
    return WaitUntil([&] { return !finished.isEmpty(); });
}

} // namespace

TEST(PatrolWindow, OpensTheTreeOnTheMainWindowsFolderAndAddsItOnce)
{
    Rig rig;
    const auto window = rig.open();
    EXPECT_TRUE(window->pbPilotFolder()->isHidden());
    EXPECT_TRUE(window->pbPilotFiles()->isHidden());

    QWidget* tree = window->BranchwiseFolder();
    ASSERT_TRUE(tree);
    EXPECT_EQ(tree->objectName(), "BranchwiseFolder");
    EXPECT_TRUE(tree->property("QuickMode").toBool());
    EXPECT_EQ(tree->property("ImageType").toInt(), 1);
    EXPECT_EQ(tree->property("CurrentDirectory").toString(), rig.pictures.path());

    window->cmdSingleAddFolder_Click();
    window->cmdSingleAddFolder_Click();
    EXPECT_EQ(window->lstFolder()->count(), 1);
    EXPECT_EQ(window->lstFolder()->text(0), rig.pictures.path());
}

TEST(PatrolWindow, ReadsTheFolderFileAtEveryOpeningAndWritesItOnlyOnSave)
{
    Rig rig;
    WriteBytes(rig.folderFile(), "/one/\n/two/\n");
    {
        const auto window = rig.open();
        EXPECT_EQ(window->lstFolder()->count(), 2);
        window->cmdClearFolder_Click();
        EXPECT_EQ(window->lstFolder()->count(), 0);
    }
    EXPECT_EQ(ReadBytes(rig.folderFile()), QByteArray("/one/\n/two/\n")) << "closing saves nothing";

    const auto window = rig.open();
    ASSERT_EQ(window->lstFolder()->count(), 2) << "unsaved edits are gone";
    window->lstFolder()->setCurrentRow(0);
    window->cmdDelFolder_Click();
    window->cmdSaveFolder_Click();
    EXPECT_EQ(ReadBytes(rig.folderFile()), QByteArray("/two/\r\n"));
    EXPECT_EQ(rig.prompter.texts(), QStringList{QStringLiteral("保存しました")});
    EXPECT_EQ(rig.prompter.requests()[0].kind, PromptKind::Notice);
}

TEST(PatrolWindow, RebuildsTheCurrentListOnAWorker)
{
    Rig rig;
    MakeTree(rig.pictures.path(), {"one/b.jpg", "one/a.PNG", "one/x.txt", "two/c.gif"});
    WriteBytes(rig.folderFile(),
               (rig.pictures.path() + "one\r\n" + rig.pictures.path() + "two/\r\n").toUtf8());
    rig.list.entries = QStringList{"/old.jpg"};
    const auto window = rig.open();
    QSignalSpy finished(window.get(), &PatrolWindow::patrolFinished);
    window->cmdRefresh_Click();
    EXPECT_TRUE(rig.list.entries.isEmpty()) << "cleared at once";
    EXPECT_FALSE(window->cmdRefresh()->isEnabled());
    EXPECT_FALSE(window->pbPilotFolder()->isHidden());
    EXPECT_EQ(window->pbPilotFolder()->maximum(), 3);
    ASSERT_TRUE(WaitUntil([&] { return !finished.isEmpty(); }));
    EXPECT_EQ(rig.list.entries,
              (QStringList{rig.pictures.path() + "one/a.PNG", rig.pictures.path() + "one/b.jpg",
                           rig.pictures.path() + "two/c.gif"}));
    EXPECT_EQ(rig.prompter.texts(), QStringList{QStringLiteral("巡回完了")});
    EXPECT_TRUE(window->pbPilotFolder()->isHidden());
    EXPECT_TRUE(window->pbPilotFiles()->isHidden());
    EXPECT_TRUE(window->cmdRefresh()->isEnabled());
}

TEST(PatrolWindow, AFolderThatCannotBeListedIsAskedAboutFromTheWindowThread)
{
    Rig rig;
    MakeTree(rig.pictures.path(), {"one/a.jpg", "three/c.jpg"});
    WriteBytes(rig.folderFile(), (rig.pictures.path() + "one/\r\n" + rig.pictures.path() + "gone/\r\n" +
                                  rig.pictures.path() + "three/\r\n")
                                     .toUtf8());
    const auto window = rig.open();
    rig.prompter.push(Answer::Ignore);
    ASSERT_TRUE(RunPatrol(*window));
    EXPECT_EQ(rig.list.entries,
              (QStringList{rig.pictures.path() + "one/a.jpg", rig.pictures.path() + "three/c.jpg"}));
    ASSERT_EQ(rig.prompter.count(), 2);
    EXPECT_EQ(rig.prompter.requests()[0].kind, PromptKind::AbortRetryIgnore);
    EXPECT_EQ(rig.prompter.texts()[1], QStringLiteral("巡回完了"));

    rig.prompter.clear();
    rig.prompter.push(Answer::Abort);
    ASSERT_TRUE(RunPatrol(*window));
    EXPECT_EQ(rig.list.entries, QStringList{rig.pictures.path() + "one/a.jpg"});
    EXPECT_EQ(rig.prompter.count(), 1) << "an aborted patrol does not say it finished";
}

TEST(PatrolWindow, AnEmptyFolderListEmptiesTheListAndStillFinishes)
{
    Rig rig;
    rig.list.entries = QStringList{"/old.jpg"};
    const auto window = rig.open();
    ASSERT_TRUE(RunPatrol(*window));
    EXPECT_TRUE(rig.list.entries.isEmpty());
    EXPECT_EQ(rig.prompter.texts(), QStringList{QStringLiteral("巡回完了")});
}
