#include "mainwindow/folder/FileViewModel.h"

#include "core/PathRoutines.h"
#include "mainwindow/folder/FileViewText.h"

#include <algorithm>
#include <numeric>

namespace velmora {

FileViewModel::FileViewModel(QObject* parent)
    : QAbstractTableModel(parent)
{}

int FileViewModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int FileViewModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant FileViewModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows.size())
        return {};
    switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole: return m_rows[index.row()][index.column()];
    case Qt::DecorationRole: return index.column() == FileName ? QVariant(m_picture) : QVariant();
    case Qt::TextAlignmentRole:
        return index.column() == Size ? QVariant(Qt::AlignRight | Qt::AlignVCenter)
                                      : QVariant(Qt::AlignLeft | Qt::AlignVCenter);
    default: return {};
    }
}

QVariant FileViewModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= ColumnCount)
        return {};
    if (role == Qt::DisplayRole) {
        static const std::array<const char*, ColumnCount> headers = {
            QT_TR_NOOP("FileName"), QT_TR_NOOP("Size"), QT_TR_NOOP("Date"), QT_TR_NOOP("SizeDmy"),
            QT_TR_NOOP("Ext")};
        return tr(headers[section]);
    }
    if (role == Qt::TextAlignmentRole)
        return section == Size ? QVariant(Qt::AlignRight | Qt::AlignVCenter)
                               : QVariant(Qt::AlignLeft | Qt::AlignVCenter);
    return {};
}

void FileViewModel::retranslate()
{
    Q_EMIT headerDataChanged(Qt::Horizontal, 0, ColumnCount - 1);
}

void FileViewModel::setEntries(const QList<FileViewEntry>& entries)
{
    beginResetModel();
    m_rows.clear();
    m_rows.reserve(entries.size());
    for (const FileViewEntry& entry : entries)
        m_rows.append(Row{entry.name, SizeText(entry.size), entry.date, SizeDmyText(entry.size),
                          GetExtension(entry.name)});
    if (m_sorted)
        sortRows();
    endResetModel();
}

void FileViewModel::clear()
{
    beginResetModel();
    m_rows.clear();
    endResetModel();
}

void FileViewModel::ColumnClick(int column)
{
    if (column < 0 || column >= ColumnCount)
        return;
    m_sortKey = column == Size ? SizeDmy : column;
    m_sorted = true;
    m_sortOrder = m_sortOrder == Qt::AscendingOrder ? Qt::DescendingOrder : Qt::AscendingOrder;
    Q_EMIT layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const QList<int> moved = sortRows();
    // Selection and current item follow their files to the new places.
    const QModelIndexList before = persistentIndexList();
    QModelIndexList after;
    after.reserve(before.size());
    for (const QModelIndex& index : before)
        after.append(this->index(moved[index.row()], index.column()));
    changePersistentIndexList(before, after);
    Q_EMIT layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

// Text order as the list view compares: letter case ignored, then exact text, then the former order.
QList<int> FileViewModel::sortRows()
{
    const int key = m_sortKey;
    const bool ascending = m_sortOrder == Qt::AscendingOrder;
    QList<int> order(m_rows.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int left, int right) {
        const QString& a = m_rows[left][key];
        const QString& b = m_rows[right][key];
        // Sizes of 100 GB and more outgrow the eleven padded digits: a longer key is a larger size.
        int compared = key == SizeDmy ? int(a.size() - b.size()) : 0;
        if (compared == 0)
            compared = CompareFileNames(a, b);
        return ascending ? compared < 0 : compared > 0;
    });
    QList<Row> sorted;
    sorted.reserve(m_rows.size());
    QList<int> moved(m_rows.size());
    for (int place = 0; place < order.size(); ++place) {
        sorted.append(std::move(m_rows[order[place]]));
        moved[order[place]] = place;
    }
    m_rows = std::move(sorted);
    return moved;
}

QString FileViewModel::text(int row, int column) const
{
    if (row < 0 || row >= m_rows.size() || column < 0 || column >= ColumnCount)
        return {};
    return m_rows[row][column];
}

} // namespace velmora
