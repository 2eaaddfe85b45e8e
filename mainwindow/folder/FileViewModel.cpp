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
        m_rows.append(rowOf(entry));
    if (m_sorted)
        sortRows();
    endResetModel();
}

FileViewModel::Row FileViewModel::rowOf(const FileViewEntry& entry)
{
    return Row{entry.name, SizeText(entry.size), entry.date, SizeDmyText(entry.size),
               GetExtension(entry.name)};
}

void FileViewModel::appendEntries(const QList<FileViewEntry>& entries)
{
    QList<Row> rows;
    rows.reserve(entries.size());
    for (const FileViewEntry& entry : entries)
        rows.append(rowOf(entry));
    appendRows(std::move(rows));
}

void FileViewModel::appendRows(QList<Row> rows)
{
    if (rows.isEmpty())
        return;
    if (m_sorted)
        std::stable_sort(rows.begin(), rows.end(),
                         [this](const Row& a, const Row& b) { return before(a, b); });
    // Equal keys keep the name order the parts come in, as the stable sort of the whole would:
    // a new row goes after every present row that does not sort after it.
    const auto placeOf = [this](const Row& row) {
        if (!m_sorted)
            return m_rows.size();
        return qsizetype(std::upper_bound(m_rows.begin(), m_rows.end(), row,
                                          [this](const Row& a, const Row& b) { return before(a, b); }) -
                         m_rows.begin());
    };
    const qsizetype place = placeOf(rows.first());
    if (place == placeOf(rows.last())) {
        // The common case, name order or a key the part does not interleave: one insertion.
        beginInsertRows({}, int(place), int(place + rows.size() - 1));
        m_rows.insert(place, rows.size(), Row{});
        std::move(rows.begin(), rows.end(), m_rows.begin() + place);
        endInsertRows();
        return;
    }
    // The part falls between present rows: the whole is merged and the views told of the moves.
    const int present = int(m_rows.size());
    beginInsertRows({}, present, present + int(rows.size()) - 1);
    m_rows.append(std::move(rows));
    endInsertRows();
    reorderRows([this, present] { return mergeRows(present); });
}

QList<int> FileViewModel::mergeRows(int present)
{
    // Both runs are sorted; a new row goes after every present row that does not sort after it.
    QList<Row> merged;
    merged.reserve(m_rows.size());
    QList<int> moved(m_rows.size());
    int old = 0;
    int fresh = present;
    const int end = int(m_rows.size());
    while (old < present || fresh < end) {
        const bool takeOld = fresh == end || (old < present && !before(m_rows[fresh], m_rows[old]));
        const int from = takeOld ? old++ : fresh++;
        moved[from] = int(merged.size());
        merged.append(std::move(m_rows[from]));
    }
    m_rows = std::move(merged);
    return moved;
}

bool FileViewModel::before(const Row& a, const Row& b) const
{
    const QString& left = a[m_sortKey];
    const QString& right = b[m_sortKey];
    // Sizes of 100 GB and more outgrow the eleven padded digits: a longer key is a larger size.
    int compared = m_sortKey == SizeDmy ? int(left.size() - right.size()) : 0;
    if (compared == 0)
        compared = CompareFileNames(left, right);
    return m_sortOrder == Qt::AscendingOrder ? compared < 0 : compared > 0;
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
    reorderRows([this] { return sortRows(); });
}

void FileViewModel::reorderRows(const std::function<QList<int>()>& reorder)
{
    Q_EMIT layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const QList<int> moved = reorder();
    // Selection and current item follow their files to the new places.
    const QModelIndexList was = persistentIndexList();
    QModelIndexList now;
    now.reserve(was.size());
    for (const QModelIndex& index : was)
        now.append(this->index(moved[index.row()], index.column()));
    changePersistentIndexList(was, now);
    Q_EMIT layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

// Text order as the list view compares: letter case ignored, then exact text, then the former order.
QList<int> FileViewModel::sortRows()
{
    QList<int> order(m_rows.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [this](int left, int right) { return before(m_rows[left], m_rows[right]); });
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
