#include "tests/support/TestSupport.h"

#include "ui/ListBox.h"
#include "ui/ListBoxModel.h"
#include "ui/ListControls.h"

#include <QFontMetrics>
#include <QScrollBar>
#include <QSignalSpy>

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

using namespace velmora;
using namespace velmora::test;

namespace {

QStringList Paths(int count, int longAt = -1)
{
    QStringList paths;
    paths.reserve(count);
    for (int i = 0; i < count; ++i)
        paths << QStringLiteral("/pictures/%1/写真 %2.jpg").arg(i % 97).arg(i);
    if (longAt >= 0)
        paths[longAt] = QStringLiteral("/a/very/long/path/") + QString(120, u'w') + QStringLiteral(".jpg");
    return paths;
}

int Widest(const ListBox& list)
{
    const QFontMetrics metrics(list.font());
    int widest = -1;
    for (const QString& text : list.entries())
        widest = std::max(widest, metrics.horizontalAdvance(text));
    return widest;
}

// The answer of measureLongestEntry, once it has come.
std::optional<int> Longest(ListBox& list)
{
    std::optional<int> answer;
    list.measureLongestEntry([&answer](int longest) { answer = longest; });
    if (!WaitUntil([&] { return answer.has_value(); }))
        return std::nullopt;
    return answer;
}

} // namespace

TEST(ListBox, TheSelectionStaysWithItsEntryThroughInsertionsAndRemovals)
{
    ListBox list;
    list.setEntries({"/a", "/b", "/c"});
    QSignalSpy current(&list, &ListBox::currentRowChanged);
    list.setCurrentRow(1);
    EXPECT_EQ(list.currentRow(), 1);
    EXPECT_EQ(list.selectedRows(), QList<int>{1});
    EXPECT_EQ(current.size(), 1);

    list.insertEntries(0, {"/x", "/y"});
    EXPECT_EQ(list.entries(), (QStringList{"/x", "/y", "/a", "/b", "/c"}));
    EXPECT_EQ(list.currentRow(), 3);
    EXPECT_TRUE(list.isRowSelected(3));
    list.insertEntries(5, {"/z"});
    list.removeEntry(0);
    EXPECT_EQ(list.currentRow(), 2);
    EXPECT_EQ(list.text(2), "/b");
    EXPECT_EQ(list.text(9), QString()) << "nothing past the end";

    list.setCurrentRow(-1);
    EXPECT_EQ(list.currentRow(), -1);
    EXPECT_TRUE(list.selectedRows().isEmpty());
    list.setCurrentRow(1);
    list.setEntries({"/new"});
    EXPECT_EQ(list.currentRow(), -1) << "a new list starts with nothing current";
    EXPECT_EQ(list.count(), 1);
}

TEST(ListBox, ExtendedSelectionListsEverySelectedRowInOrder)
{
    ListBox list;
    list.setSelectionMode(QAbstractItemView::ExtendedSelection);
    list.setEntries(Paths(10));
    list.setRowSelected(7, true);
    list.setRowSelected(2, true);
    list.setRowSelected(3, true);
    EXPECT_EQ(list.selectedRows(), (QList<int>{2, 3, 7}));
    list.setRowSelected(3, false);
    EXPECT_EQ(list.selectedRows(), (QList<int>{2, 7}));
    list.clearSelection();
    EXPECT_TRUE(list.selectedRows().isEmpty());
}

// Each entry is measured once: the widths kept beside the entries answer later fits, and what is
// measured by the pool is what the window would have measured.
TEST(ListBox, TheLongestEntryIsMeasuredOnceInTheListFont)
{
    ListBox list;
    EXPECT_EQ(Longest(list), -1) << "no entries";

    list.setEntries(Paths(20000, 12345)); // many: measured by a job
    const std::optional<int> first = Longest(list);
    ASSERT_TRUE(first);
    EXPECT_EQ(*first, Widest(list));
    const QList<int>& widths = list.listModel().widths();
    EXPECT_EQ(std::count(widths.begin(), widths.end(), ListBoxModel::Unmeasured), 0)
        << "the job's widths are kept";

    // An added entry is measured alone; a removed one takes its width along.
    const QString longer = QStringLiteral("/") + QString(200, u'm');
    list.insertEntries(3, {longer});
    EXPECT_EQ(std::count(widths.begin(), widths.end(), ListBoxModel::Unmeasured), 1);
    std::optional<int> answer;
    list.measureLongestEntry([&answer](int longest) { answer = longest; });
    ASSERT_TRUE(answer) << "one entry to measure: answered at once";
    EXPECT_EQ(*answer, list.fontMetrics().horizontalAdvance(longer));
    list.removeEntry(3);
    list.removeEntry(12345);
    EXPECT_EQ(Longest(list), Widest(list));
    EXPECT_LT(Widest(list), *first);

    // A new font measures again.
    QFont bigger = list.font();
    bigger.setPointSize(bigger.pointSize() * 2);
    list.setFont(bigger);
    EXPECT_EQ(Longest(list), Widest(list));
}

TEST(ListBox, ANewListDropsTheAnswerAboutTheOldOne)
{
    ListBox list;
    list.setEntries(Paths(30000, 5));
    int answers = 0;
    list.measureLongestEntry([&answers](int) { ++answers; });
    list.setEntries({"/short"});
    EXPECT_TRUE(WaitUntil([&] { return !list.measuring(); }));
    QCoreApplication::processEvents();
    EXPECT_EQ(answers, 0);
    EXPECT_EQ(Longest(list), Widest(list));
}

// The rows are as wide as the extent, so that the end of a long entry scrolled into view is drawn.
TEST(ListBox, FittedRowsReachAcrossTheWholeExtent)
{
    ListBox list;
    list.resize(200, 300);
    list.setEntries(Paths(100000, 99999));
    FitListScrollWidth(list);
    ASSERT_TRUE(WaitUntil([&] { return !list.measuring() && list.horizontalExtent() > 0; }));
    EXPECT_EQ(list.horizontalExtent(), Widest(list) + 8);
    list.doItemsLayout();
    EXPECT_EQ(list.horizontalScrollBar()->maximum(), list.horizontalExtent() - list.viewport()->width());
    EXPECT_GE(list.visualRect(list.model()->index(99999, 0)).width(), list.horizontalExtent());
    EXPECT_GE(list.visualRect(list.model()->index(0, 0)).width(), list.horizontalExtent());
}
