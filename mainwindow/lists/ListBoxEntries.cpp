#include "mainwindow/lists/ListBoxEntries.h"

#include "ui/ListBox.h"

#include <QSignalBlocker>

namespace velmora {

int ListBoxEntries::count() const
{
    return m_list.count();
}

QString ListBoxEntries::text(int index) const
{
    return m_list.text(index);
}

int ListBoxEntries::selected() const
{
    const int row = m_list.currentRow();
    return row >= 0 && m_list.isRowSelected(row) ? row : -1;
}

void ListBoxEntries::select(int index)
{
    {
        // The handler runs once below, also when the entry was already selected.
        const QSignalBlocker blocker(m_list);
        m_list.setCurrentRow(index);
    }
    m_list.viewport()->update();
    if (m_handler)
        m_handler();
}

void ListBoxEntries::insert(int index, const QString& text)
{
    insertMany(index, {text});
}

void ListBoxEntries::insertMany(int index, const QStringList& texts)
{
    const QSignalBlocker blocker(m_list);
    m_list.insertEntries(index, texts);
}

void ListBoxEntries::remove(int index)
{
    const QSignalBlocker blocker(m_list);
    const bool wasSelected = selected() == index;
    m_list.removeEntry(index);
    if (wasSelected) {
        m_list.setCurrentRow(-1);
        m_list.clearSelection();
    }
    m_list.viewport()->update();
}

void ListBoxEntries::clear()
{
    const QSignalBlocker blocker(m_list);
    m_list.clear();
}

} // namespace velmora
