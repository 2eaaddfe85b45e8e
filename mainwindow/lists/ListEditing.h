#pragma once
// The editing commands of the current list: insertions, delete, move, clear and pruning.
// They change only the entries; the list file changes when the user saves.
#include "core/ListFiles.h"
#include "mainwindow/change/ChangeSources.h"

#include <QCoreApplication>
#include <QStringList>

namespace velmora {

class WallpaperChanger;

class ListEditing {
    Q_DECLARE_TR_FUNCTIONS(ListEditing)

public:
    ListEditing(EntryList& list, WallpaperChanger& changer, int capacity = MaxListEntries)
        : m_list(list)
        , m_changer(changer)
        , m_capacity(capacity)
    {}

    // The most entries the list takes (the bound a list file is loaded against).
    int capacity() const { return m_capacity; }

    // Inserts each path in front of the selected entry (which stays selected), or appends when
    // nothing is selected. Stops at the list limit and says how many paths did not fit.
    void InsertEntries(const QStringList& paths);
    // cmdDel: removes the selected entry and selects (and so applies) the one now in its place.
    void DeleteSelected();
    void MoveUp();
    void MoveDown();
    void Clear();
    // mnuToolNotexist: removes the entries whose files are gone and reports completion.
    void RemoveMissingFiles();

private:
    void move(int from, int to);

    EntryList& m_list;
    WallpaperChanger& m_changer;
    int m_capacity;
};

} // namespace velmora
