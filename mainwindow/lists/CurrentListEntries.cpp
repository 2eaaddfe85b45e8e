#include "mainwindow/lists/CurrentListEntries.h"

#include "mainwindow/lists/ListEditing.h"

#include <algorithm>

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
    const qsizetype room = std::max(0, m_editing.capacity() - m_entries.count());
    if (room == 0 || paths.isEmpty())
        return;
    m_entries.insertMany(m_entries.count(), room >= paths.size() ? paths : paths.first(room));
}

void CurrentListEntries::insertEntries(const QStringList& paths)
{
    m_editing.InsertEntries(paths);
}

} // namespace velmora
