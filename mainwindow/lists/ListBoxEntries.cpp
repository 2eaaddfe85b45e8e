#include "mainwindow/lists/ListWidgetEntries.h"

#include <QListWidget>
#include <QSignalBlocker>

namespace velmora {

int ListWidgetEntries::count() const
{
    return m_list.count();
}

QString ListWidgetEntries::text(int index) const
{
    const QListWidgetItem* item = m_list.item(index);
    return item ? item->text() : QString();
}

int ListWidgetEntries::selected() const
{
    const QListWidgetItem* item = m_list.currentItem();
    return item && item->isSelected() ? m_list.row(item) : -1;
}

void ListWidgetEntries::select(int index)
{
    {
        // The handler runs once below, also when the entry was already selected.
        const QSignalBlocker blocker(m_list);
        m_list.setCurrentRow(index);
        if (index >= 0 && m_list.item(index))
            m_list.item(index)->setSelected(true);
    }
    m_list.viewport()->update();
    if (m_handler)
        m_handler();
}

void ListWidgetEntries::insert(int index, const QString& text)
{
    const QSignalBlocker blocker(m_list);
    m_list.insertItem(index, text);
}

void ListWidgetEntries::remove(int index)
{
    const QSignalBlocker blocker(m_list);
    const bool wasSelected = selected() == index;
    delete m_list.takeItem(index);
    if (wasSelected) {
        m_list.setCurrentRow(-1);
        m_list.clearSelection();
    }
    m_list.viewport()->update();
}

void ListWidgetEntries::clear()
{
    const QSignalBlocker blocker(m_list);
    m_list.clear();
}

} // namespace velmora
