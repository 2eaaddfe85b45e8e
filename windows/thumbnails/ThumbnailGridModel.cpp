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
    beginInsertRows({}, first, first + int(items.size()) - 1);
    m_items.append(std::move(items));
    endInsertRows();
}

void ThumbnailGridModel::clear()
{
    beginResetModel();
    m_items.clear();
    endResetModel();
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
