// The main window's layout arithmetic: panel limits, drag limits, heights of short panels and the
// first start's size.
#include "mainwindow/layout/LayoutRules.h"

#include <gtest/gtest.h>

using namespace velmora;

namespace {

struct SplitCase {
    const char* what;
    Long inner, barLeft, bar;
    Long left, right;
};

class ArrangeMainSplitTest : public ::testing::TestWithParam<SplitCase> {};

TEST_P(ArrangeMainSplitTest, KeepsTheRightPanelAtLeastItsMinimum)
{
    const SplitCase& c = GetParam();
    const MainSplit split = ArrangeMainSplit(c.inner, c.barLeft, c.bar);
    EXPECT_EQ(split.left, c.left) << c.what;
    EXPECT_EQ(split.right, c.right) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ArrangeMainSplitTest,
    ::testing::Values(SplitCase{"room on the right: the bar stays", 12000, 6000, 72, 6000, 5928},
                      SplitCase{"narrowed: the bar moves left for the right panel", 9000, 6000, 72, 5928, 3000},
                      SplitCase{"exactly 3000 on the right counts as too little", 9072, 6000, 72, 6000, 3000},
                      SplitCase{"left panel at its minimum: it stays, the right keeps 3000", 5000, 3000, 72, 3000,
                                3000},
                      SplitCase{"narrower than both panels: the bar never goes below the left minimum", 4000,
                                6000, 72, 3000, 3000}));

TEST(SplitterDrag, MainBarStopsWhereEitherPanelWouldDropBelow3000)
{
    const Long inner = 12000, handle = 150;
    EXPECT_EQ(MainSplitterDragLeft(-500, inner, handle), 3000);
    EXPECT_EQ(MainSplitterDragLeft(2999, inner, handle), 3000);
    EXPECT_EQ(MainSplitterDragLeft(5000, inner, handle), 5000);
    EXPECT_EQ(MainSplitterDragLeft(8850, inner, handle), 8850) << "the last place that keeps 3000 + handle";
    EXPECT_EQ(MainSplitterDragLeft(11990, inner, handle), 8850);
}

TEST(SplitterDrag, FolderBarStops1000FromEitherEdgeOfThePage)
{
    EXPECT_EQ(FolderSplitterDragLeft(10, 6000), 1000);
    EXPECT_EQ(FolderSplitterDragLeft(2500, 6000), 2500);
    EXPECT_EQ(FolderSplitterDragLeft(5000, 6000), 5000);
    EXPECT_EQ(FolderSplitterDragLeft(5900, 6000), 5000);
}

TEST(PageLayout, FileViewIsAtLeast1000Wide)
{
    EXPECT_EQ(FileViewWidth(8000, 3375, 72), 8000 - 3375 - 72);
    EXPECT_EQ(FileViewWidth(4447, 3375, 72), 1000) << "a computed 1000 gives 1000";
    EXPECT_EQ(FileViewWidth(4000, 3375, 72), 1000) << "less than 1000 gives 1000";
}

TEST(PageLayout, ShortPanelsKeepThePreviousHeight)
{
    EXPECT_EQ(PropagatedHeight(6000, 380, 250), 380) << "a tall panel passes its height on";
    EXPECT_EQ(PropagatedHeight(4000, 250, 380), 380) << "4000 is not taller than the threshold";
    EXPECT_EQ(PropagatedHeight(1500, 90, 380), 380);
    EXPECT_EQ(PropagatedHeight(1500, 90, 0), 90) << "nothing laid out yet: its own height";
}

TEST(FirstStart, WidensTheWindowUntilEveryColumnShows)
{
    FirstStartNeeds needs;
    needs.defaultWidth = 800;
    needs.defaultHeight = 453;
    needs.treeWidth = 225;
    needs.fileViewWidth = 420;
    needs.barWidth = 5;
    needs.pagePadding = 4;
    needs.minRightWidth = 200;
    needs.availableWidth = 1920;
    needs.availableHeight = 1050;
    const FirstStartSize wide = FitFirstStart(needs);
    const int left = 225 + 5 + 420 + 4;
    EXPECT_EQ(wide.splitterMain, left);
    EXPECT_EQ(wide.width, left + 5 + left) << "the preview as wide as the left panel";
    EXPECT_EQ(wide.height, wide.width * 5 / 8);

    needs.availableWidth = 1024;
    needs.availableHeight = 600;
    const FirstStartSize narrow = FitFirstStart(needs);
    EXPECT_EQ(narrow.width, 1024);
    EXPECT_EQ(narrow.splitterMain, left) << "the left panel still fits beside a preview of 1024 - 659";
    EXPECT_EQ(narrow.height, 600);

    needs.availableWidth = 800;
    const FirstStartSize tight = FitFirstStart(needs);
    EXPECT_EQ(tight.width, 800);
    EXPECT_EQ(tight.splitterMain, 800 - 5 - 200) << "the preview keeps its minimum";

    needs.fileViewWidth = 100;
    needs.availableWidth = 1920;
    const FirstStartSize small = FitFirstStart(needs);
    EXPECT_EQ(small.width, 800) << "content that fits keeps the default width";
    EXPECT_EQ(small.splitterMain, (800 - 5) / 2) << "and the default halves";
    EXPECT_EQ(small.height, 500);
}

} // namespace
