#pragma once
// The change's two sources as plain values: the list without its list box and the file view
// without its view, for a change made without the window (and for the change rules' tests).
#include "mainwindow/change/ChangeSources.h"

#include <QStringList>

#include <functional>

namespace velmora {

class EntryVector final : public EntryList {
public:
    QStringList entries;
    int current = -1;
    std::function<void()> onSelection; // the list's selection handling

    int count() const override { return int(entries.size()); }
    QString text(int index) const override { return entries.value(index); }
    int selected() const override { return current; }
    void select(int index) override
    {
        current = index;
        if (onSelection)
            onSelection();
    }
    void insert(int index, const QString& text) override
    {
        entries.insert(index, text);
        if (current >= index)
            ++current;
    }
    void remove(int index) override
    {
        entries.removeAt(index);
        if (current == index)
            current = -1;
        else if (current > index)
            --current;
    }
    void clear() override
    {
        entries.clear();
        current = -1;
    }
};

class ItemVector final : public FolderItems {
public:
    QStringList items;
    int current = 0;

    int count() const override { return int(items.size()); }
    QString text(int index) const override { return items.value(index - 1); }
    int selected() const override { return current; }
    void select(int index) override { current = index; }
};

} // namespace velmora
