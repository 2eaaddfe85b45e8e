#include "ui/ListBoxModel.h"

namespace velmora {

int ListBoxModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_entries.size());
}

QVariant ListBoxModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_entries.size())
        return {};
    if (role == Qt::DisplayRole || role == Qt::EditRole)
        return m_entries[index.row()];
    return {};
}

Qt::ItemFlags ListBoxModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
}

void ListBoxModel::setEntries(QStringList entries)
{
    beginResetModel();
    m_entries = std::move(entries);
    m_widths = QList<int>(m_entries.size(), Unmeasured);
    ++m_revision;
    endResetModel();
}

void ListBoxModel::insertEntries(int row, const QStringList& texts)
{
    if (texts.isEmpty())
        return;
    beginInsertRows(QModelIndex(), row, row + int(texts.size()) - 1);
    if (row == m_entries.size()) {
        m_entries += texts;
    } else {
        // One move of the tail, not one per text: a block put into a long list stays cheap.
        QStringList tail = m_entries.mid(row);
        m_entries.resize(row);
        m_entries += texts;
        m_entries += tail;
    }
    m_widths.insert(row, texts.size(), Unmeasured);
    ++m_revision;
    endInsertRows();
}

void ListBoxModel::removeEntries(int row, int count)
{
    if (count <= 0)
        return;
    beginRemoveRows(QModelIndex(), row, row + count - 1);
    m_entries.remove(row, count);
    m_widths.remove(row, count);
    ++m_revision;
    endRemoveRows();
}

void ListBoxModel::forgetWidths()
{
    m_widths.fill(Unmeasured);
}

} // namespace velmora
