#include "mainwindow/lists/CurrentListEntries.h"

#include "mainwindow/lists/ListEditing.h"

namespace velmora {

int CurrentListEntries::count() const
{
    return m_entries.count();
}

void CurrentListEntries::clear()
{
    m_editing.Clear();
}

void CurrentListEntries::appendEntries(const QStringList& paths)
{
    for (const QString& path : paths) {
        if (m_entries.count() >= m_editing.capacity())
            return;
        m_entries.insert(m_entries.count(), path);
    }
}

void CurrentListEntries::insertEntries(const QStringList& paths)
{
    m_editing.InsertEntries(paths);
}

} // namespace velmora
