// The folder page: the tree drives the file view; view modes, picture sets and the tab strip.
#include "mainwindow/folder/FolderPage.h"

#include "core/FileKinds.h"
#include "core/PathRoutines.h"
#include "core/Prompt.h"
#include "mainwindow/FileSelectTabs.h"
#include "mainwindow/MainLoading.h"
#include "mainwindow/change/WallpaperChanger.h"
#include "mainwindow/folder/FileNameListView.h"
#include "mainwindow/folder/FileViewItems.h"
#include "mainwindow/folder/FileViewModel.h"
#include "tests/mainwindow/FakeSources.h"
#include "tests/support/TestSupport.h"

#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QSignalSpy>
#include <QTabBar>
#include <QTest>
#include <QTimer>
#include <QTreeView>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace velmora {

class FolderPageTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        BuildFileKindTable();
        MainLoading = false;
        test::WriteBytes(folder.file("one.jpg"), "1");
        test::WriteBytes(folder.file("two.png"), "22");
        test::WriteBytes(folder.file("skip.txt"), "x");
        ASSERT_TRUE(QDir().mkpath(folder.file("sub/inner")));
        test::WriteBytes(folder.file("sub/three.gif"), "333");
        settings.CurrentDirectory = folder.path();
        page.resize(800, 500);
    }
    // Loads the folder and waits until the view holds it all: the folder is read on the pool.
    void load()
    {
        page.FileNameLoad();
        waitForFiles();
    }
    void waitForFiles()
    {
        ASSERT_TRUE(test::WaitUntil([this] { return !page.loadingFiles(); }));
    }
    QStringList names() const
    {
        QStringList list;
        for (int row = 0; row < page.fileModel()->rowCount(); ++row)
            list.append(page.fileModel()->fileName(row));
        list.sort();
        return list;
    }

    test::TempFolder folder;
    Settings settings;
    ScriptedPrompter prompter;
    PrompterScope prompts{prompter};
    FolderPage page{settings};
};

TEST_F(FolderPageTest, FileNameLoadListsTheImagesOfTheFolder)
{
    load();
    EXPECT_EQ(names(), (QStringList{"one.jpg", "two.png"}));
    EXPECT_EQ(prompter.count(), 0);
}

TEST_F(FolderPageTest, NothingIsFilledWhileTheMainWindowLoads)
{
    MainLoading = true;
    page.FileNameLoad();
    EXPECT_EQ(page.fileModel()->rowCount(), 0);
    MainLoading = false;
}

TEST_F(FolderPageTest, TreeSelectionRefillsTheFileView)
{
    ASSERT_NE(page.Branchwise(), nullptr);
    page.InitTree();
    waitForFiles();
    EXPECT_EQ(settings.CurrentDirectory, folder.path());
    EXPECT_EQ(names(), (QStringList{"one.jpg", "two.png"}));
    page.Branchwise()->setProperty("CurrentDirectory", folder.file("sub/"));
    QMetaObject::invokeMethod(page.Branchwise(), "ApInit");
    waitForFiles();
    EXPECT_EQ(settings.CurrentDirectory, folder.file("sub/"));
    EXPECT_EQ(names(), QStringList{"three.gif"});
    EXPECT_EQ(page.AllFiles(), QStringList{folder.file("sub/three.gif")});
}

TEST_F(FolderPageTest, ChoosingTheSameFolderAgainShowsItsNewFiles)
{
    page.InitTree();
    waitForFiles();
    page.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&page));
    test::WriteBytes(folder.file("new.bmp"), "x");
    auto* tree = page.Branchwise()->findChild<QTreeWidget*>(QStringLiteral("TreeView1"));
    ASSERT_NE(tree, nullptr);
    ASSERT_NE(tree->currentItem(), nullptr);
    tree->scrollToItem(tree->currentItem());
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, Qt::NoModifier,
                      tree->visualItemRect(tree->currentItem()).center());
    waitForFiles();
    EXPECT_EQ(names(), (QStringList{"new.bmp", "one.jpg", "two.png"}));
}

TEST_F(FolderPageTest, FolderThatCannotBeListedAsksAndLeavesTheViewEmpty)
{
    load();
    settings.CurrentDirectory = folder.file("vanished/");
    prompter.push(Answer::Abort);
    load();
    EXPECT_EQ(prompter.count(), 1);
    EXPECT_EQ(prompter.requests().first().kind, PromptKind::AbortRetryIgnore);
    EXPECT_EQ(page.fileModel()->rowCount(), 0);
    EXPECT_EQ(page.fileModel()->columnCount(), 5);
    // The message says what failed, for which folder: nothing was being written.
    const QString text = prompter.requests().first().text;
    EXPECT_TRUE(text.contains(QStringLiteral("フォルダが見つかりません"))) << text.toStdString();
    EXPECT_TRUE(text.contains(folder.file("vanished/"))) << text.toStdString();
    EXPECT_FALSE(text.contains(QStringLiteral("書き込み"))) << text.toStdString();
}

TEST_F(FolderPageTest, SequentialChangeWalksTheViewInItsOrder)
{
    for (const char* name : {"c.jpg", "B.png", "a.jpg"})
        test::WriteBytes(folder.file(QString::fromLatin1(name)), "x");
    test::WriteBytes(folder.file("big.jpg"), QByteArray(100, 'x'));
    load();
    FileViewItems items(*page.lvwFileName(), [this] { return page.loadingFiles(); });
    test::FakeList list;
    test::FakeInstaller installer;
    settings.ListMode = 1;
    settings.ChangeMode = 1;
    WallpaperChanger changer(settings, items, list, installer);
    const auto walk = [&] {
        QStringList shown;
        for (int i = 0; i < 6; ++i) {
            installer.calls.clear();
            changer.AutoChange();
            if (installer.calls.size() != 2)
                return QStringList{QStringLiteral("no change")};
            shown << QFileInfo(installer.calls.last()).fileName();
            if (settings.FileIndex1 != items.selected())
                return QStringList{QStringLiteral("FileIndex1 not the selected item")};
        }
        return shown;
    };
    EXPECT_EQ(walk(), (QStringList{"B.png", "big.jpg", "c.jpg", "one.jpg", "two.png", "a.jpg"}));
    // Sorted by size with a header click, the change follows the new order from the selected item on.
    page.lvwFileName_ColumnClick(1);
    EXPECT_EQ(walk(), (QStringList{"B.png", "c.jpg", "one.jpg", "two.png", "big.jpg", "a.jpg"}));
}

TEST_F(FolderPageTest, DetailsViewHidesSizeDmyAndFitsTheOthers)
{
    QSignalSpy modes(&page, &FolderPage::ListViewModeChanged);
    page.mnuViewListviewMode(2);
    load();
    EXPECT_EQ(settings.ListViewMode, 2);
    // Outside the details view the columns keep the width they were added with.
    EXPECT_EQ(page.lvwFileName()->columnWidth(3), page.lvwFileName()->width());
    page.mnuViewListviewMode(3);
    EXPECT_EQ(settings.ListViewMode, 3);
    EXPECT_EQ(page.lvwFileName()->columnWidth(3), 0);
    for (int column : {0, 1, 2, 4}) {
        EXPECT_GT(page.lvwFileName()->columnWidth(column), 0) << column;
        EXPECT_LT(page.lvwFileName()->columnWidth(column), page.lvwFileName()->width()) << column;
    }
    ASSERT_EQ(modes.count(), 2);
    EXPECT_EQ(modes.at(1).at(0).toInt(), 2);
    EXPECT_EQ(modes.at(1).at(1).toInt(), 3);
    page.mnuViewListviewMode(7);
    EXPECT_EQ(settings.ListViewMode, 3);
}

TEST_F(FolderPageTest, HeaderClickSortsAndShowsTheClickedColumn)
{
    load();
    page.lvwFileName_ColumnClick(1);
    EXPECT_EQ(page.fileModel()->fileName(0), QStringLiteral("one.jpg"));
    EXPECT_EQ(page.lvwFileName()->detailsView()->header()->sortIndicatorSection(), 1);
    page.lvwFileName_ColumnClick(1);
    EXPECT_EQ(page.fileModel()->fileName(0), QStringLiteral("two.png"));
}

TEST_F(FolderPageTest, FolderPicturesToggleBetweenTheTwoSets)
{
    page.InitTree();
    waitForFiles();
    page.mnuViewDirimage();
    EXPECT_EQ(settings.DirImageType, 1);
    EXPECT_EQ(page.Branchwise()->property("ImageType").toInt(), 1);
    page.mnuViewDirimage();
    EXPECT_EQ(settings.DirImageType, 0);
    EXPECT_EQ(page.Branchwise()->property("ImageType").toInt(), 0);
    waitForFiles();
    EXPECT_EQ(names(), (QStringList{"one.jpg", "two.png"}));
}

// A folder of many pictures, created in an order other than their names' (mixed letter case too).
QStringList MakeManyPictures(const test::TempFolder& folder, const QString& under, int count)
{
    QStringList names;
    for (int i = 0; i < count; ++i)
        names << QStringLiteral("%1%2.jpg")
                     .arg(i % 3 == 0 ? QStringLiteral("Pic") : QStringLiteral("pic"))
                     .arg((i * 7919) % count, 5, 10, QChar(u'0'));
    EXPECT_TRUE(QDir().mkpath(folder.file(under)));
    for (const QString& name : names)
        test::WriteBytes(folder.file(under + name), "x");
    std::sort(names.begin(), names.end(),
              [](const QString& a, const QString& b) { return CompareFileNames(a, b) < 0; });
    return names;
}

TEST_F(FolderPageTest, LargeFolderFillsInNameOrderWhileTheWindowGoesOn)
{
    const QStringList expected = MakeManyPictures(folder, QStringLiteral("many/"), 20000);
    settings.CurrentDirectory = folder.file("many/");
    page.show();
    int batches = 0;
    int largestBatch = 0;
    int turns = 0;
    int turnsBeforeTheEnd = 0;
    int turnsAtFirstRows = -1;
    int rowsAtTheEnd = -1;
    QObject::connect(page.fileModel(), &QAbstractItemModel::rowsInserted, &page,
                     [&](const QModelIndex&, int first, int last) {
                         if (batches++ == 0)
                             turnsAtFirstRows = turns;
                         largestBatch = std::max(largestBatch, last - first + 1);
                     });
    QObject::connect(&page, &FolderPage::FilesLoaded, &page, [&] {
        turnsBeforeTheEnd = turns;
        rowsAtTheEnd = page.fileModel()->rowCount();
    });
    QTimer turn;
    QObject::connect(&turn, &QTimer::timeout, &page, [&] { ++turns; });
    turn.start(0);
    page.FileNameLoad();
    // Nothing is read on the window thread: the call returns before a single row is in.
    EXPECT_EQ(page.fileModel()->rowCount(), 0);
    EXPECT_TRUE(page.loadingFiles());
    waitForFiles();
    QStringList shown;
    for (int row = 0; row < page.fileModel()->rowCount(); ++row)
        shown << page.fileModel()->fileName(row);
    EXPECT_EQ(shown, expected);
    // The rows came in parts; the event loop turned while the folder was listed and again while
    // its rows were still coming.
    EXPECT_GT(batches, 3);
    EXPECT_GT(turnsAtFirstRows, 0);
    EXPECT_GT(turnsBeforeTheEnd, turnsAtFirstRows);
    // No turn takes more than a small share of rows, and the end is told only once all are in.
    EXPECT_LE(largestBatch, 1000);
    EXPECT_EQ(rowsAtTheEnd, expected.size());
}

TEST_F(FolderPageTest, FolderChangedDuringAFillShowsOnlyTheNewFolder)
{
    MakeManyPictures(folder, QStringLiteral("many/"), 20000);
    settings.CurrentDirectory = folder.file("many/");
    QStringList inserted;
    QObject::connect(page.fileModel(), &QAbstractItemModel::rowsInserted, &page,
                     [&](const QModelIndex&, int first, int last) {
                         for (int row = first; row <= last; ++row)
                             inserted << page.fileModel()->fileName(row);
                     });
    QSignalSpy loaded(&page, &FolderPage::FilesLoaded);
    page.FileNameLoad();
    // The first part of the big folder is in; the rest is still on its way.
    ASSERT_TRUE(test::WaitUntil([this] { return page.fileModel()->rowCount() > 0; }));
    ASSERT_TRUE(page.loadingFiles());
    settings.CurrentDirectory = folder.path();
    inserted.clear();
    load();
    EXPECT_EQ(names(), (QStringList{"one.jpg", "two.png"}));
    EXPECT_EQ(inserted, (QStringList{"one.jpg", "two.png"}));
    // The given-up fill never says it ended, and sends nothing more.
    QTest::qWait(50);
    EXPECT_EQ(loaded.count(), 1);
    EXPECT_EQ(names(), (QStringList{"one.jpg", "two.png"}));
}

TEST_F(FolderPageTest, ChangesWaitUntilTheFolderIsRead)
{
    MakeManyPictures(folder, QStringLiteral("many/"), 5000);
    settings.CurrentDirectory = folder.file("many/");
    settings.ListMode = 1;
    settings.ChangeMode = 1;
    settings.ChangeTimer = 1;
    settings.FileIndex1 = 4000;
    FileViewItems items(*page.lvwFileName(), [this] { return page.loadingFiles(); });
    test::FakeList list;
    test::FakeInstaller installer;
    WallpaperChanger changer(settings, items, list, installer);
    page.FileNameLoad();
    bool restored = false;
    page.whenFilesLoaded([&] {
        changer.RestoreFolderSelection();
        restored = true;
    });
    ASSERT_TRUE(test::WaitUntil([this] { return page.fileModel()->rowCount() > 0; }));
    if (page.loadingFiles()) {
        // A part of the folder is not the folder: a tick finds nothing to change yet.
        changer.Tick();
        EXPECT_TRUE(installer.calls.isEmpty());
    }
    waitForFiles();
    EXPECT_TRUE(restored);
    EXPECT_EQ(items.selected(), 4000);
    // The due change comes at the next tick, from the remembered place on.
    changer.Tick();
    ASSERT_FALSE(installer.calls.isEmpty());
    EXPECT_EQ(settings.FileIndex1, 4001);
}

TEST(FileSelectTabs, ShowsThePageOfTheSelectedTab)
{
    Settings settings;
    FileSelectTabs tabs(settings);
    EXPECT_EQ(tabs.tabFileSelect()->tabText(0), QStringLiteral("Folder"));
    EXPECT_EQ(tabs.tabKey(1), QStringLiteral("FileList"));
    EXPECT_EQ(tabs.tabFileSelect()->tabToolTip(1), QStringLiteral("ファイルリストよりファイルを選択"));
    tabs.SelectTab(2);
    EXPECT_EQ(settings.ListMode, 2);
    EXPECT_TRUE(tabs.picPanelTabFileSelect(1)->isVisibleTo(&tabs));
    EXPECT_FALSE(tabs.picPanelTabFileSelect(0)->isVisibleTo(&tabs));
    tabs.SelectTab(1);
    EXPECT_EQ(settings.ListMode, 1);
    EXPECT_TRUE(tabs.picPanelTabFileSelect(0)->isVisibleTo(&tabs));
    EXPECT_FALSE(tabs.picPanelTabFileSelect(1)->isVisibleTo(&tabs));
}

} // namespace velmora
