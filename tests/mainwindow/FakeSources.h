#pragma once
// Stand-ins for the list box, the file view and the engine that record what the change rules do.
#include "mainwindow/change/ChangeSources.h"

#include <QStringList>

#include <functional>

namespace velmora::test {

class FakeList final : public EntryList {
public:
    QStringList entries;
    int current = -1;
    std::function<void()> onSelection; // the list's selection handling

    int count() const override { return int(entries.size()); }
    QString text(int index) const override { return entries.at(index); }
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

class FakeFolder final : public FolderItems {
public:
    QStringList items;
    int current = 0;

    int count() const override { return int(items.size()); }
    QString text(int index) const override { return items.at(index - 1); }
    int selected() const override { return current; }
    void select(int index) override { current = index; }
};

class FakeInstaller final : public WallpaperInstaller {
public:
    QStringList calls;
    bool working = false; // what busy() answers
    void LoadWallpaperImage(const QString& path) override { calls << QStringLiteral("load ") + path; }
    void ApplyWallpaper(const QString& path, ChangeOrigin origin) override
    {
        calls << (origin == ChangeOrigin::Timer ? QStringLiteral("timer-apply ") : QStringLiteral("apply ")) +
                     path;
    }
    bool busy() const override { return working; }
};

} // namespace velmora::test
