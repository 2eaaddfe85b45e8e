#include "ui/ListControls.h"

#include "core/ListFiles.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QListWidget>

#include <algorithm>

namespace velmora {

int ListBoxLoad(const QString& path, QListWidget& list)
{
    QStringList entries;
    if (LoadListEntries(path, entries) != 0)
        return 1;
    list.clear();
    list.addItems(entries);
    return 0;
}

int ListBoxSave(const QString& path, const QListWidget& list)
{
    QStringList entries;
    entries.reserve(list.count());
    for (int i = 0; i < list.count(); ++i)
        entries << list.item(i)->text();
    return SaveListEntries(path, entries);
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

void FitListScrollWidth(QListWidget& list)
{
    const QFontMetrics metrics(list.font());
    int longest = -1;
    for (int i = 0; i < list.count(); ++i)
        longest = std::max(longest, metrics.horizontalAdvance(list.item(i)->text()));
    const int visible = list.viewport()->width();
    // The view sizes its own scroll range; the rule only decides whether a bar is needed at all.
    list.setHorizontalScrollBarPolicy(visible * 0.95 >= longest ? Qt::ScrollBarAlwaysOff
                                                                : Qt::ScrollBarAsNeeded);
}

} // namespace velmora
