#include "mainwindow/lists/ListEditing.h"

#include "core/ListFiles.h"
#include "core/PathRoutines.h"
#include "core/Prompt.h"
#include "mainwindow/change/WallpaperChanger.h"

#include <algorithm>

namespace velmora {

void ListEditing::InsertEntries(const QStringList& paths)
{
    const qsizetype room = std::max(0, m_capacity - m_list.count());
    const qsizetype added = std::min(room, paths.size());
    // One block in front of the selected entry is what inserting them one by one there gives: the
    // selection moves on with its entry after each.
    const int selected = m_list.selected();
    if (added > 0)
        m_list.insertMany(selected < 0 ? m_list.count() : selected,
                          added == paths.size() ? paths : paths.first(added));
    if (added < paths.size())
        ShowWarning(tr("リストの項目数が上限 (%1) に達したため、%n 件を追加できませんでした。", nullptr,
                       int(paths.size() - added))
                        .arg(EntryCountText(m_capacity)));
}

void ListEditing::DeleteSelected()
{
    const int position = m_list.selected();
    if (position < 0)
        return;
    m_list.remove(position);
    if (position == 0 || m_list.count() == 0)
        return;
    // A selection with the suppression off: the entry that took the place is applied.
    m_list.select(position < m_list.count() ? position : m_list.count() - 1);
}

void ListEditing::move(int from, int to)
{
    const QString text = m_list.text(from);
    m_list.remove(from);
    m_list.insert(to, text);
    m_changer.SelectListEntryQuietly(to);
}

void ListEditing::MoveUp()
{
    const int position = m_list.selected();
    if (position <= 0)
        return;
    move(position, position - 1);
}

void ListEditing::MoveDown()
{
    const int position = m_list.selected();
    if (position < 0 || position + 1 == m_list.count())
        return;
    move(position, position + 1);
}

void ListEditing::Clear()
{
    m_list.clear();
}

void ListEditing::RemoveMissingFiles()
{
    for (int i = m_list.count() - 1; i >= 0; --i)
        if (!FileExists(m_list.text(i)))
            m_list.remove(i);
    ShowNotice(tr("削除完了しました"));
}

} // namespace velmora
