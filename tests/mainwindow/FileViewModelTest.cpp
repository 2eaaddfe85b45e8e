// The file view's items and its sorting by column text.
#include "mainwindow/folder/FileViewModel.h"
#include "tests/support/TestSupport.h"

#include <QItemSelectionModel>

#include <gtest/gtest.h>

namespace velmora {

namespace {

QList<FileViewEntry> Entries()
{
    return {{"b.jpg", 1000, "2024/05/01 10:00:00"},
            {"A.png", 20, "2023/12/31 23:59:59"},
            {"c.gif", 3000000000ull, "2024/01/02 03:04:05"},
            {"noext", 7, "2022/01/01 00:00:00"}};
}

QStringList Names(const FileViewModel& model)
{
    QStringList names;
    for (int row = 0; row < model.rowCount(); ++row)
        names.append(model.fileName(row));
    return names;
}

} // namespace

TEST(FileViewModel, FillsFiveColumnsInListingOrder)
{
    FileViewModel model;
    model.setEntries(Entries());
    EXPECT_EQ(model.columnCount(), 5);
    QStringList headers;
    for (int column = 0; column < 5; ++column)
        headers.append(model.headerData(column, Qt::Horizontal).toString());
    EXPECT_EQ(headers, (QStringList{"FileName", "Size", "Date", "SizeDmy", "Ext"}));
    EXPECT_EQ(Names(model), (QStringList{"b.jpg", "A.png", "c.gif", "noext"}));
    EXPECT_EQ(model.text(2, FileViewModel::Size), QStringLiteral("3,000,000,000"));
    EXPECT_EQ(model.text(2, FileViewModel::SizeDmy), QStringLiteral("03000000000"));
    EXPECT_EQ(model.text(1, FileViewModel::Ext), QStringLiteral("png"));
    EXPECT_EQ(model.text(3, FileViewModel::Ext), QString());
    EXPECT_EQ(model.data(model.index(0, FileViewModel::Size), Qt::TextAlignmentRole).toInt() & Qt::AlignRight,
              int(Qt::AlignRight));
}

TEST(FileViewModel, EmptyFolderKeepsTheHeaders)
{
    FileViewModel model;
    model.setEntries({});
    EXPECT_EQ(model.rowCount(), 0);
    EXPECT_EQ(model.headerData(3, Qt::Horizontal).toString(), QStringLiteral("SizeDmy"));
}

TEST(FileViewModel, SizeSortsNumericallyBothWays)
{
    FileViewModel model;
    model.setEntries(Entries());
    model.ColumnClick(FileViewModel::Size);
    EXPECT_EQ(model.sortKey(), int(FileViewModel::SizeDmy));
    EXPECT_EQ(Names(model), (QStringList{"noext", "A.png", "b.jpg", "c.gif"}));
    model.ColumnClick(FileViewModel::Size);
    EXPECT_EQ(Names(model), (QStringList{"c.gif", "b.jpg", "A.png", "noext"}));
}

TEST(FileViewModel, SizesBeyondElevenDigitsStillSortBySize)
{
    FileViewModel model;
    model.setEntries(
        {{"big.tif", 150000000000ull, ""}, {"mid.tif", 99999999999ull, ""}, {"small.tif", 5, ""}});
    EXPECT_EQ(model.text(0, FileViewModel::SizeDmy), QStringLiteral("150000000000"));
    model.ColumnClick(FileViewModel::Size);
    EXPECT_EQ(Names(model), (QStringList{"small.tif", "mid.tif", "big.tif"}));
}

TEST(FileViewModel, OneOrderFlipsOnEveryClickWhateverTheColumn)
{
    FileViewModel model;
    model.setEntries(Entries());
    model.ColumnClick(FileViewModel::Size);
    EXPECT_EQ(model.sortOrder(), Qt::AscendingOrder);
    model.ColumnClick(FileViewModel::Date);
    EXPECT_EQ(model.sortOrder(), Qt::DescendingOrder);
    EXPECT_EQ(Names(model), (QStringList{"b.jpg", "c.gif", "A.png", "noext"}));
    model.ColumnClick(FileViewModel::FileName);
    EXPECT_EQ(Names(model), (QStringList{"A.png", "b.jpg", "c.gif", "noext"}));
}

TEST(FileViewModel, SortedModeKeepsANewFillSorted)
{
    FileViewModel model;
    model.ColumnClick(FileViewModel::FileName);
    model.setEntries(Entries());
    EXPECT_EQ(Names(model), (QStringList{"A.png", "b.jpg", "c.gif", "noext"}));
}

TEST(FileViewModel, SelectionFollowsItsFileWhenSorted)
{
    FileViewModel model;
    model.setEntries(Entries());
    QItemSelectionModel selection(&model);
    selection.select(model.index(2, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
    model.ColumnClick(FileViewModel::FileName);
    const QModelIndexList rows = selection.selectedRows();
    ASSERT_EQ(rows.size(), 1);
    EXPECT_EQ(model.fileName(rows.first().row()), QStringLiteral("c.gif"));
}

namespace {

// A folder in name order with many equal sizes, dates and extensions, so ties decide much.
QList<FileViewEntry> NamedFolder(int count)
{
    QList<FileViewEntry> entries;
    for (int i = 0; i < count; ++i)
        entries.append({QStringLiteral("f%1.%2").arg(i, 4, 10, QChar(u'0')).arg(i % 3 ? "jpg" : "png"),
                        std::uint64_t((i * 37) % 11),
                        QStringLiteral("2024/01/%1 00:00:00").arg(1 + i % 5, 2, 10, QChar(u'0'))});
    return entries;
}

} // namespace

TEST(FileViewModel, AFolderTakenInPartsEndsAsTheWholeWouldInEveryOrder)
{
    const QList<FileViewEntry> folder = NamedFolder(300);
    // Unsorted, then each column both ways (the header's first click sorts ascending, the next descending).
    const QList<QList<int>> clickSets = {{}, {1}, {1, 1}, {2}, {2, 2}, {4}, {4, 4}, {0, 0}};
    for (const QList<int>& clicks : clickSets) {
        FileViewModel whole;
        FileViewModel parts;
        for (int column : clicks) {
            whole.ColumnClick(column);
            parts.ColumnClick(column);
        }
        whole.setEntries(folder);
        int insertions = 0;
        QObject::connect(&parts, &QAbstractItemModel::rowsInserted, [&] { ++insertions; });
        for (qsizetype first = 0, size = 7; first < folder.size(); first += size, size *= 2)
            parts.appendEntries(folder.mid(first, size));
        EXPECT_EQ(Names(parts), Names(whole)) << "clicks " << clicks.size() << " on " << clicks.value(0);
        EXPECT_GT(insertions, 1);
    }
}

TEST(FileViewModel, SelectionStaysOnItsFileWhileASortedViewTakesMoreParts)
{
    const QList<FileViewEntry> folder = NamedFolder(100);
    FileViewModel model;
    model.ColumnClick(FileViewModel::Size);
    model.appendEntries(folder.mid(0, 50));
    QItemSelectionModel selection(&model);
    const int row = int(Names(model).indexOf(QStringLiteral("f0041.jpg")));
    ASSERT_GE(row, 0);
    selection.select(model.index(row, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
    model.appendEntries(folder.mid(50));
    const QModelIndexList rows = selection.selectedRows();
    ASSERT_EQ(rows.size(), 1);
    EXPECT_EQ(model.fileName(rows.first().row()), QStringLiteral("f0041.jpg"));
    EXPECT_EQ(model.rowCount(), 100);
}

} // namespace velmora
