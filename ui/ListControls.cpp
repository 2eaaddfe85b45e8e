#include "ui/ListControls.h"

#include "core/ListFiles.h"
#include "ui/ListBox.h"

#include <QComboBox>

#include <algorithm>

namespace velmora {

int ListBoxLoad(const QString& path, ListBox& list)
{
    QStringList entries;
    if (LoadListEntries(path, entries) != 0)
        return 1;
    list.setEntries(std::move(entries));
    return 0;
}

int ListBoxSave(const QString& path, const ListBox& list)
{
    return SaveListEntries(path, list.entries());
}

int ComboLoad(const QString& path, QComboBox& combo)
{
    QStringList entries;
    if (LoadListEntries(path, entries) != 0)
        return 1;
    combo.clear();
    combo.addItems(entries);
    return 0;
}

int ComboSave(const QString& path, const QComboBox& combo)
{
    QStringList entries;
    entries.reserve(combo.count());
    for (int i = 0; i < combo.count(); ++i)
        entries << combo.itemText(i);
    return SaveListEntries(path, entries);
}

void FitListScrollWidth(ListBox& list)
{
    const int visible = list.viewport()->width();
    list.measureLongestEntry([&list, visible](int longest) {
        list.setHorizontalExtent(visible * 0.95 >= longest ? 0 : longest + 8);
    });
}

} // namespace velmora
