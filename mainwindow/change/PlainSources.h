#pragma once
// The change's two sources as plain values: the list without its list box and the file view
// without its view, for a change made without the window (and for the change rules' tests).
#include "core/ListFiles.h"
#include "mainwindow/change/ChangeSources.h"

#include <QStringList>

#include <functional>
#include <optional>

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
    void insertMany(int index, const QStringList& texts) override
    {
        QStringList tail = entries.mid(index);
        entries.resize(index);
        entries += texts;
        entries += tail;
        if (current >= index)
            current += int(texts.size());
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

// The list as its file holds it, for a change made without the window: the entries are decoded only
// as the change asks for them, so that one change on a long list costs about what it costs on a short
// one. An edit (a one-shot run makes none) takes them all first.
class FileEntries final : public EntryList {
public:
    std::function<void()> onSelection; // the list's selection handling

    // 0 when read, 1 after showing why not (the entries then stay as they were).
    int load(const QString& path)
    {
        if (m_lines.load(path) != 0)
            return 1;
        m_edited.reset();
        m_current = -1;
        return 0;
    }
    QStringList all() const { return m_edited ? *m_edited : m_lines.all(); }

    int count() const override { return m_edited ? int(m_edited->size()) : m_lines.count(); }
    QString text(int index) const override { return m_edited ? m_edited->value(index) : m_lines.line(index); }
    int selected() const override { return m_current; }
    void select(int index) override
    {
        m_current = index;
        if (onSelection)
            onSelection();
    }
    void insert(int index, const QString& text) override { insertMany(index, {text}); }
    void insertMany(int index, const QStringList& texts) override
    {
        QStringList& entries = edited();
        QStringList tail = entries.mid(index);
        entries.resize(index);
        entries += texts;
        entries += tail;
        if (m_current >= index)
            m_current += int(texts.size());
    }
    void remove(int index) override
    {
        edited().removeAt(index);
        if (m_current == index)
            m_current = -1;
        else if (m_current > index)
            --m_current;
    }
    void clear() override
    {
        m_edited = QStringList();
        m_current = -1;
    }

private:
    QStringList& edited()
    {
        if (!m_edited)
            m_edited = m_lines.all();
        return *m_edited;
    }

    ListFileLines m_lines;
    std::optional<QStringList> m_edited;
    int m_current = -1;
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
