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

} // namespace velmora
