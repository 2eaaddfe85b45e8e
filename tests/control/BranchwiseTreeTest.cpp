// The folder tree against real folders: opening a path, sorting, probes, letter case, missing folders.
#include "TreeFixture.h"

#include "FolderListing.h"
#include "ImageList.h"

#include <QFile>
#include <QTest>

#include <unistd.h>

namespace branchwise::test {

TEST_F(TreeFixture, ApInitOpensThePathAndRaisesOneChangeDirectory)
{
    makeFolders({"a/b/c", "a/other"});
    openAt("a/b/");
    EXPECT_EQ(control->CurrentDirectory(), at("a/b/"));
    EXPECT_EQ(currentPath(), at("a/b"));
    EXPECT_EQ(changes.count(), 1);
    EXPECT_FALSE(control->Initialising());
    EXPECT_EQ(childTexts("a"), (QStringList{"b", "other"}));
    EXPECT_EQ(childTexts("a/b"), QStringList{"c"});
    EXPECT_TRUE(node("a/b")->isExpanded());
}

TEST_F(TreeFixture, PathWithoutFinalSeparatorOpensTheSameFolder)
{
    makeFolders({"a/b"});
    openAt("a/b");
    EXPECT_EQ(currentPath(), at("a/b"));
    EXPECT_EQ(control->CurrentDirectory(), at("a/b/"));
}

TEST_F(TreeFixture, ChildrenAreSortedByNameWhateverTheListingOrder)
{
    makeFolders({"s/zeta", "s/Alpha", "s/beta", "s/10", "s/9", "one/only"});
    openAt("s/");
    EXPECT_EQ(childTexts("s"), (QStringList{"10", "9", "Alpha", "beta", "zeta"}));
    control->setCurrentDirectory(at("one/"));
    control->ApInit();
    EXPECT_EQ(childTexts("one"), QStringList{"only"});
}

TEST_F(TreeFixture, QuickModeOffProbesEachChildForOneSubfolder)
{
    makeFolders({"p/leaf", "p/deep/x1", "p/deep/x2", "p/deep/x3"});
    openAt("p/", false);
    ASSERT_NE(node("p/leaf"), nullptr);
    EXPECT_EQ(node("p/leaf")->childCount(), 0);
    // The probe stops at the first sub-folder: exactly one child, whichever the listing gave first.
    ASSERT_EQ(node("p/deep")->childCount(), 1);
    EXPECT_TRUE(childTexts("p/deep").first().startsWith(u'x'));
    QStringList buffered = control->lstDirBuf();
    buffered.sort();
    EXPECT_EQ(buffered, (QStringList{at("p/deep"), at("p/leaf")}));
}

TEST_F(TreeFixture, QuickModeOnLeavesNewChildrenEmpty)
{
    makeFolders({"p/leaf", "p/deep/x1"});
    openAt("p/", true);
    EXPECT_EQ(node("p/deep")->childCount(), 0);
    EXPECT_EQ(node("p/leaf")->childCount(), 0);
}

TEST_F(TreeFixture, SelectingAFolderPublishesItAndFillsIt)
{
    makeFolders({"p/deep/x1", "p/deep/x2"});
    openAt("p/");
    changes.clear();
    control->TreeView1()->setCurrentItem(node("p/deep"));
    EXPECT_EQ(changes.count(), 1);
    EXPECT_EQ(control->CurrentDirectory(), at("p/deep/"));
    EXPECT_EQ(childTexts("p/deep"), (QStringList{"x1", "x2"}));
}

TEST_F(TreeFixture, ClickingTheSelectedFolderAgainRaisesChangeDirectory)
{
    makeFolders({"p/deep/x1", "p/other"});
    openAt("p/deep/");
    control->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(control.get()));
    QTreeWidget* tree = control->TreeView1();
    const auto click = [&](const QString& relative) {
        tree->scrollToItem(node(relative));
        const QRect rect = tree->visualItemRect(node(relative));
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, Qt::NoModifier, rect.center());
    };
    changes.clear();
    click("p/deep");
    EXPECT_EQ(changes.count(), 1) << "the folder is chosen again";
    EXPECT_EQ(control->CurrentDirectory(), at("p/deep/"));
    click("p/other");
    EXPECT_EQ(changes.count(), 2) << "another folder: one ChangeDirectory, not two";
    EXPECT_EQ(control->CurrentDirectory(), at("p/other/"));
}

TEST_F(TreeFixture, ExpandingRefillsWithTheCurrentSubfolders)
{
    makeFolders({"a/b/c", "a/gone/inner"});
    openAt("a/");
    EXPECT_EQ(childTexts("a"), (QStringList{"b", "gone"}));
    ASSERT_TRUE(QDir(at("a/gone")).removeRecursively());
    ASSERT_TRUE(QDir().mkdir(at("a/new")));
    QTreeWidgetItem* a = node("a");
    control->TreeView1()->collapseItem(a);
    control->TreeView1()->expandItem(a);
    EXPECT_EQ(childTexts("a"), (QStringList{"b", "new"}));
    EXPECT_EQ(node("a/gone"), nullptr);
}

TEST_F(TreeFixture, FolderDeletedAfterListingYieldsNoChildrenAndNoFailure)
{
    makeFolders({"a/b/c"});
    openAt("a/");
    QTreeWidgetItem* b = node("a/b");
    ASSERT_NE(b, nullptr);
    ASSERT_TRUE(QDir(at("a/b")).removeRecursively());
    control->TreeView1()->setCurrentItem(b);
    EXPECT_EQ(control->CurrentDirectory(), at("a/b/"));
    EXPECT_EQ(b->childCount(), 0);
}

TEST_F(TreeFixture, SiblingsDifferingOnlyInCaseStayTwoNodes)
{
    makeFolders({"c/Photos/x", "c/photos/y"});
    openAt("c/Photos/");
    EXPECT_EQ(childTexts("c").size(), 2);
    EXPECT_NE(node("c/Photos"), node("c/photos"));
    EXPECT_EQ(currentPath(), at("c/Photos"));
    EXPECT_EQ(childTexts("c/Photos"), QStringList{"x"});
    // Another letter case matches both: the tree stops at the parent.
    openAt("c/PHOTOS/");
    EXPECT_EQ(currentPath(), at("c"));
}

TEST_F(TreeFixture, OtherLetterCaseOpensTheOnlyMatchingFolder)
{
    makeFolders({"c/Holiday/Beach"});
    openAt("c/holiday/BEACH/");
    EXPECT_EQ(currentPath(), at("c/Holiday/Beach"));
    // The folder is published under its real name.
    EXPECT_EQ(control->CurrentDirectory(), at("c/Holiday/Beach/"));
}

TEST_F(TreeFixture, MissingFolderOpensAsDeepAsItExists)
{
    makeFolders({"a/b"});
    openAt("a/b/missing/deeper/");
    EXPECT_EQ(currentPath(), at("a/b"));
    EXPECT_EQ(control->CurrentDirectory(), at("a/b/"));
    EXPECT_EQ(changes.count(), 1);
}

TEST_F(TreeFixture, MissingFirstFolderKeepsTheRootAndTheHostsValue)
{
    control->setCurrentDirectory(QStringLiteral("/velmora-no-such-folder/x/"));
    control->ApInit();
    EXPECT_EQ(control->TreeView1()->currentItem(), control->NodeByKey(QStringLiteral("root")));
    EXPECT_EQ(control->CurrentDirectory(), QStringLiteral("/velmora-no-such-folder/x/"));
    EXPECT_EQ(changes.count(), 1);
}

TEST_F(TreeFixture, PathWithoutDriveIsRefusedWithoutChangeDirectory)
{
    control->setCurrentDirectory(QStringLiteral("relative/folder/"));
    control->ApInit();
    EXPECT_EQ(changes.count(), 0);
    EXPECT_FALSE(control->Initialising());
}

TEST_F(TreeFixture, EmptyCurrentDirectoryOpensTheCurrentDrive)
{
    control->ApInit();
    const QString drive = control->Drive1()->currentData().toString();
    EXPECT_EQ(control->CurrentDirectory(), AddSeparator(drive));
    EXPECT_EQ(control->TreeView1()->currentItem(), control->NodeByKey(QStringLiteral("root")));
    EXPECT_EQ(changes.count(), 1);
}

TEST_F(TreeFixture, HiddenFoldersAreListed)
{
    makeFolders({"h/.secret", "h/plain"});
    openAt("h/");
    EXPECT_EQ(childTexts("h"), (QStringList{".secret", "plain"}));
}

TEST_F(TreeFixture, FilesAndLinksAreToldApart)
{
    makeFolders({"m/real"});
    velmora::test::WriteBytes(root.file("m/file.txt"), "x");
    ASSERT_TRUE(QFile::link(at("m/real"), at("m/link")));
    ASSERT_TRUE(QFile::link(at("m/nowhere"), at("m/dangling")));
    EXPECT_EQ(childTexts("m"), QStringList());
    openAt("m/");
    EXPECT_EQ(childTexts("m"), (QStringList{"link", "real"}));
}

TEST(FolderListing, UnreadableFolderYieldsNothing)
{
    velmora::test::TempFolder root;
    velmora::test::WriteBytes(root.file("file"), "x");
    EXPECT_TRUE(ListSubfolders(root.file("file")).isEmpty());
    EXPECT_TRUE(ListSubfolders(root.file("missing")).isEmpty());
    ASSERT_TRUE(QDir().mkpath(root.file("locked/inner")));
    QFile::setPermissions(root.file("locked"), QFileDevice::Permissions());
    if (geteuid() != 0) {
        EXPECT_TRUE(ListSubfolders(root.file("locked")).isEmpty());
    }
    QFile::setPermissions(root.file("locked"),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

TEST_F(TreeFixture, PicturesFollowImageTypeOnlyAtApInit)
{
    makeFolders({"a"});
    openAt("a/");
    EXPECT_EQ(control->ShownImageSet(), 0);
    control->setImageType(BranchwiseBase::Copland);
    EXPECT_EQ(control->ShownImageSet(), 0);
    control->ApInit();
    EXPECT_EQ(control->ShownImageSet(), 1);
    for (const QString& key : ImageList::Keys()) {
        EXPECT_FALSE(control->imgNode(0).picture(key).isNull()) << key.toStdString();
        EXPECT_FALSE(control->imgNode(1).picture(key).isNull()) << key.toStdString();
    }
}

TEST_F(TreeFixture, TreeKeepsAPositiveHeightInATinyControl)
{
    control->resize(200, 5);
    control->show();
    EXPECT_GT(control->TreeView1()->y(), control->Drive1()->height() - 1);
    EXPECT_GT(control->TreeView1()->height(), 0);
    EXPECT_EQ(control->TreeView1()->height(), std::abs(5 - control->TreeView1()->y()));
}

} // namespace branchwise::test
