// The main window laid out on screen: the stored bar places, a narrowed window, drags within their
// limits, a short window, the toolbar shown and hidden, and the view settings applied at a paint.
#include "tests/mainwindow/MainWindowRig.h"

#include "mainwindow/FileSelectTabs.h"
#include "mainwindow/MainMenus.h"
#include "mainwindow/MainToolbar.h"
#include "mainwindow/CommandRouter.h"
#include "mainwindow/folder/FileNameListView.h"
#include "mainwindow/folder/FolderPage.h"
#include "mainwindow/layout/DragSplitter.h"
#include "mainwindow/layout/MainLayout.h"

#include <QAction>
#include <QCoreApplication>

using namespace velmora;
using namespace velmora::test;

namespace {

// 800 x 400 pixels at 96 DPI; the left panel 400 wide, the tree 150.
const QByteArray kGeometry = "MainLeft= 0\r\nMainTop= 0\r\nMainWidth= 12000\r\nMainHeight= 6000\r\n"
                             "SplitterMain= 6000\r\nSizeBarLeft= 2250\r\nListMode= 1\r\n";

void Settle()
{
    for (int round = 0; round < 20; ++round)
        QCoreApplication::processEvents();
}

struct ShownRig : Rig {
    ShownRig()
        : Rig({}, kGeometry)
    {
        window->show();
        Settle();
    }
    DragSplitter& main() { return window->mainSplitter(); }
    DragSplitter& folder() { return *window->folderPage().splitter(); }
};

} // namespace

TEST(MainWindowLayout, StoredBarPlacesAreRestoredAndSavedAtExit)
{
    ShownRig rig;
    EXPECT_EQ(rig.main().sizes().value(0), 400);
    EXPECT_EQ(rig.folder().sizes().value(0), 150);
    rig.window->mnuFileExit_Click();
    EXPECT_EQ(rig.settings.SplitterMain, 6000);
    EXPECT_EQ(rig.settings.SizeBarLeft, 2250);
}

TEST(MainWindowLayout, NarrowingMovesTheBarSoThePreviewKeeps3000Twips)
{
    ShownRig rig;
    const int bar = rig.main().handleWidth();
    rig.window->resize(500, 400);
    Settle();
    ASSERT_EQ(rig.main().width(), 500);
    EXPECT_EQ(rig.main().sizes().value(1), 200);
    EXPECT_EQ(rig.main().sizes().value(0), 500 - 200 - bar);
    // The bar stays where it was moved when the window grows again.
    rig.window->resize(800, 400);
    Settle();
    EXPECT_EQ(rig.main().sizes().value(0), 500 - 200 - bar);
    EXPECT_EQ(rig.window->mainLayout().SplitterMain(), (500 - 200 - bar) * 15);
}

TEST(MainWindowLayout, DragsShowTheBarAndStopAtTheLimits)
{
    ShownRig rig;
    DragSplitter& main = rig.main();
    main.beginDrag();
    EXPECT_TRUE(main.SplitterDragging());
    EXPECT_TRUE(main.dragBar()->isVisible());
    EXPECT_EQ(main.dragBar()->palette().color(QPalette::Window), QColor(128, 128, 128));
    main.dragTo(10);
    EXPECT_EQ(main.sizes().value(0), 400) << "the panes wait for the release";
    main.endDrag();
    EXPECT_FALSE(main.SplitterDragging());
    EXPECT_FALSE(main.dragBar()->isVisible());
    EXPECT_EQ(main.sizes().value(0), 200) << "3000 twips from the left";

    main.beginDrag();
    main.dragTo(5000);
    main.endDrag();
    EXPECT_EQ(main.sizes().value(1), 200) << "3000 twips for the preview";
    EXPECT_EQ(main.sizes().value(0), 800 - 200 - main.handleWidth());

    DragSplitter& folder = rig.folder();
    folder.beginDrag();
    folder.dragTo(-40);
    folder.endDrag();
    EXPECT_EQ(folder.sizes().value(0), 67) << "1000 twips";
    folder.beginDrag();
    folder.dragTo(folder.width() + 100);
    EXPECT_EQ(folder.dragBar()->x(), folder.width() - 67) << "1000 twips from the right edge";
    folder.endDrag();
    EXPECT_EQ(rig.window->mainLayout().SizeBarLeft(), (folder.width() - 67) * 15);
    EXPECT_EQ(folder.sizes().value(1), 67) << "the file view keeps its 1000 twips";
}

TEST(MainWindowLayout, AShortWindowKeepsThePageHeights)
{
    ShownRig rig;
    QWidget* page = rig.window->fileSelectTabs().picPanelTabFileSelect(0);
    const int tall = page->height();
    ASSERT_GT(tall, 0);
    rig.window->resize(800, 200);
    Settle();
    ASSERT_LE(rig.window->fileSelectTabs().height() * 15, 4000);
    EXPECT_EQ(page->height(), tall);
    rig.window->resize(800, 600);
    Settle();
    EXPECT_GT(page->height(), tall);
}

TEST(MainWindowLayout, TheToolbarCommandShowsAndHidesItWithItsCheckMark)
{
    ShownRig rig;
    QAction* item = rig.window->menus().action(MainCommand::ViewToolbar);
    ASSERT_TRUE(rig.window->toolbar().isVisible());
    ASSERT_TRUE(item->isChecked());
    item->trigger();
    EXPECT_FALSE(rig.settings.TBDispMode);
    EXPECT_FALSE(rig.window->toolbar().isVisible());
    EXPECT_FALSE(item->isChecked());
    item->trigger();
    EXPECT_TRUE(rig.settings.TBDispMode);
    EXPECT_TRUE(rig.window->toolbar().isVisible());
    EXPECT_TRUE(item->isChecked());
}

TEST(MainWindowLayout, APaintAppliesChangedViewSettingsOnceAndSettles)
{
    ShownRig rig;
    rig.settings.ListViewMode = 0;
    rig.settings.TBDispMode = false;
    rig.window->update();
    ASSERT_TRUE(WaitUntil([&] { return rig.window->folderPage().lvwFileName()->viewMode() == 0; }));
    EXPECT_FALSE(rig.window->toolbar().isVisible());
    EXPECT_FALSE(rig.window->menus().action(MainCommand::ViewToolbar)->isChecked());
    EXPECT_TRUE(rig.window->menus().action(MainCommand::ViewListviewMode0)->isChecked());
    EXPECT_EQ(rig.window->toolbar().pressedViewButton(), 0);

    // Applying must not ask for the next paint: once settled, no paints keep coming.
    Settle();
    int paints = 0;
    struct Counter : QObject {
        int& count;
        explicit Counter(int& c) : count(c) {}
        bool eventFilter(QObject*, QEvent* event) override
        {
            count += event->type() == QEvent::Paint;
            return false;
        }
    } counter(paints);
    rig.window->installEventFilter(&counter);
    Settle();
    rig.window->removeEventFilter(&counter);
    EXPECT_EQ(paints, 0);
}
