#include "tests/support/TestSupport.h"
#include "tests/windows/FakeCurrentList.h"
#include "tests/windows/TreeMaker.h"

#include "core/Prompt.h"
#include "windows/search/SearchWindow.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <cerrno>

using namespace velmora;
using namespace velmora::test;

namespace {

struct Rig {
    TempFolder pictures;
    FakeCurrentList list;
    ScriptedPrompter prompter;
    PrompterScope scope{prompter};

    std::unique_ptr<SearchWindow> open(const QString& start, int capacity = MaxListEntries)
    {
        return std::make_unique<SearchWindow>(start, list, nullptr, capacity);
    }
};

bool Search(SearchWindow& window)
{
    QSignalSpy finished(&window, &SearchWindow::searchFinished);
    window.cmdSearch_Click();
    return WaitUntil([&] { return !finished.isEmpty(); });
}

QStringList Found(const SearchWindow& window)
{
    return window.lstFoundFiles()->entries();
}

} // namespace

TEST(SearchWindow, NamesTheStartFolderAsFoldersAreShown)
{
    Rig rig;
    const auto window = rig.open(rig.pictures.path());
    EXPECT_EQ(window->lblFolderName()->text(), QStringLiteral("検索対象フォルダ：") + rig.pictures.path().chopped(1));
    EXPECT_EQ(window->lblCount()->text(), "0");
    EXPECT_EQ(window->lstFoundFiles()->selectionMode(), QAbstractItemView::ExtendedSelection);
}

TEST(SearchWindow, SearchesOnAWorkerOnceAnOpening)
{
    Rig rig;
    MakeTree(rig.pictures.path(), {"t.jpg", "A/a.png", "A/A1/a1.gif", "B/b.BMP", "B/skip.txt"});
    const auto window = rig.open(rig.pictures.path());
    QSignalSpy finished(window.get(), &SearchWindow::searchFinished);
    window->cmdSearch_Click();
    EXPECT_TRUE(window->SearchActive());
    EXPECT_FALSE(window->cmdSearch()->isEnabled()) << "no second search inside the first";
    EXPECT_FALSE(window->cmdAllAddFound()->isEnabled());
    EXPECT_FALSE(window->cmdSingleAddFound()->isEnabled());
    EXPECT_FALSE(window->cmdNoSelFound()->isEnabled());
    ASSERT_TRUE(WaitUntil([&] { return !finished.isEmpty(); }));

    const QString root = rig.pictures.path();
    EXPECT_EQ(Found(*window),
              (QStringList{root + "B/b.BMP", root + "A/A1/a1.gif", root + "A/a.png", root + "t.jpg"}));
    EXPECT_EQ(window->lblCount()->text(), " 4");
    EXPECT_EQ(rig.prompter.texts(), QStringList{QStringLiteral("検索完了!")});
    EXPECT_EQ(rig.prompter.requests()[0].kind, PromptKind::Information);
    EXPECT_FALSE(window->SearchActive());
    EXPECT_FALSE(window->cmdSearch()->isEnabled());
    EXPECT_TRUE(window->cmdAllAddFound()->isEnabled());
    EXPECT_TRUE(window->cmdSingleAddFound()->isEnabled());
    EXPECT_TRUE(window->cmdNoSelFound()->isEnabled());

    window->cmdSearch_Click();
    QCoreApplication::processEvents();
    EXPECT_EQ(Found(*window).size(), 4) << "one search an opening";
    EXPECT_EQ(rig.prompter.count(), 1);
}

TEST(SearchWindow, AStopEndsTheSearchAtOnceKeepingTheFinds)
{
    Rig rig;
    QStringList many;
    for (int i = 0; i < 60; ++i)
        many << QStringLiteral("f%1/g/p.jpg").arg(i, 2, 10, QChar(u'0'));
    MakeTree(rig.pictures.path(), many);
    const auto window = rig.open(rig.pictures.path());
    QSignalSpy finished(window.get(), &SearchWindow::searchFinished);
    window->cmdSearch_Click();
    window->cmdSearchStop_Click();
    EXPECT_EQ(finished.size(), 1) << "the window does not wait for the worker";
    EXPECT_FALSE(window->SearchActive());
    EXPECT_EQ(rig.prompter.texts(), QStringList{QStringLiteral("検索完了!")});
    EXPECT_FALSE(window->cmdSearch()->isEnabled());
    EXPECT_TRUE(window->cmdAllAddFound()->isEnabled());
    const qsizetype atStop = Found(*window).size();
    // Whatever the worker still hands over after the stop is not added.
    QTest::qWait(200);
    EXPECT_EQ(Found(*window).size(), atStop);
    EXPECT_EQ(finished.size(), 1);
}

TEST(SearchWindow, UnreadableFoldersAreCountedNotFatal)
{
    Rig rig;
    const auto window = rig.open(rig.pictures.path() + "gone/");
    ASSERT_TRUE(Search(*window));
    ASSERT_EQ(rig.prompter.count(), 2);
    EXPECT_EQ(rig.prompter.requests()[0].kind, PromptKind::Warning);
    EXPECT_EQ(
        rig.prompter.texts()[0],
        QStringLiteral("1 個のフォルダを読み取れなかったため、検索から除きました。\n%1gone (見つかりません)")
            .arg(rig.pictures.path()));
    EXPECT_EQ(rig.prompter.texts()[1], QStringLiteral("検索完了!"));

    QList<UnreadableFolder> seven;
    for (int i = 0; i < 7; ++i)
        seven.append({QStringLiteral("/f%1").arg(i), EACCES});
    const QString text = UnreadableFoldersText(seven);
    EXPECT_TRUE(text.startsWith(QStringLiteral("7 個のフォルダ")));
    EXPECT_TRUE(text.contains(QStringLiteral("/f4 (アクセスが拒否されました)")));
    EXPECT_FALSE(text.contains(QStringLiteral("/f5")));
    EXPECT_TRUE(text.endsWith(QStringLiteral("ほか 2 個")));
}

TEST(SearchWindow, AFullListSaysSoAndKeepsTheFinds)
{
    Rig rig;
    MakeTree(rig.pictures.path(), {"1.jpg", "2.jpg", "3.jpg"});
    const auto window = rig.open(rig.pictures.path(), 2);
    ASSERT_TRUE(Search(*window));
    EXPECT_EQ(Found(*window).size(), 2);
    EXPECT_EQ(window->lblCount()->text(), " 2");
    EXPECT_EQ(rig.prompter.texts(),
              (QStringList{QStringLiteral("ﾘｽﾄ ﾎﾞｯｸｽがいっぱいになりました。検索を中止します。"),
                           QStringLiteral("検索完了!")}));
}

TEST(SearchWindow, AddsAllOrTheSelectedFindsInFoundOrder)
{
    Rig rig;
    MakeTree(rig.pictures.path(), {"a.jpg", "b.jpg", "c.jpg", "d.jpg"});
    const auto window = rig.open(rig.pictures.path());
    ASSERT_TRUE(Search(*window));
    const QString root = rig.pictures.path();

    window->cmdAllAddFound_Click();
    ASSERT_EQ(rig.list.insertions.size(), 1);
    EXPECT_EQ(rig.list.insertions[0],
              (QStringList{root + "a.jpg", root + "b.jpg", root + "c.jpg", root + "d.jpg"}));

    window->lstFoundFiles()->setRowSelected(3, true);
    window->lstFoundFiles()->setRowSelected(1, true);
    window->cmdSingleAddFound_Click();
    ASSERT_EQ(rig.list.insertions.size(), 2);
    EXPECT_EQ(rig.list.insertions[1], (QStringList{root + "b.jpg", root + "d.jpg"}));

    window->cmdNoSelFound_Click();
    EXPECT_TRUE(window->lstFoundFiles()->selectedRows().isEmpty());
    window->cmdSingleAddFound_Click();
    EXPECT_TRUE(rig.list.insertions.last().isEmpty());
}
