#include "windows/thumbnails/ThumbnailGridModel.h"

namespace velmora {

int ThumbnailGridModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_items.size());
}

QVariant ThumbnailGridModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_items.size())
        return {};
    const ThumbnailItem& item = m_items[index.row()];
    switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole: return item.name;
    case Qt::DecorationRole: return item.picture;
    default: return {};
    }
}

void ThumbnailGridModel::append(QList<ThumbnailItem> items)
{
    if (items.isEmpty())
        return;
    const int first = int(m_items.size());
    for (const ThumbnailItem& item : items)
        m_held += item.picture.isNull() ? 0 : 1;
    beginInsertRows({}, first, first + int(items.size()) - 1);
    m_items.append(std::move(items));
    endInsertRows();
}

void ThumbnailGridModel::clear()
{
    beginResetModel();
    m_items.clear();
    m_held = 0;
    endResetModel();
}

void ThumbnailGridModel::keepPictures(int first, int last)
{
    if (m_held == 0)
        return;
    for (int row = 0; row < m_items.size(); ++row) {
        if ((row >= first && row <= last) || m_items[row].picture.isNull())
            continue;
        m_items[row].picture = QImage();
        --m_held;
        // Out of sight: nothing to paint again.
    }
}

QList<int> ThumbnailGridModel::missingPictures(int first, int last) const
{
    QList<int> rows;
    for (int row = std::max(first, 0); row <= last && row < m_items.size(); ++row)
        if (m_items[row].picture.isNull())
            rows.append(row);
    return rows;
}

void ThumbnailGridModel::setPicture(int row, QImage picture)
{
    if (row < 0 || row >= m_items.size() || picture.isNull())
        return;
    m_held += m_items[row].picture.isNull() ? 1 : 0;
    m_items[row].picture = std::move(picture);
    const QModelIndex changed = index(row);
    Q_EMIT dataChanged(changed, changed, {Qt::DecorationRole});
}

QString ThumbnailGridModel::caption(int row) const
{
    return row >= 0 && row < m_items.size() ? m_items[row].name : QString();
}

QImage ThumbnailGridModel::picture(int row) const
{
    return row >= 0 && row < m_items.size() ? m_items[row].picture : QImage();
}

} // namespace velmora
