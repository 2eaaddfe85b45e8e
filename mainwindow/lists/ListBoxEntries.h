#pragma once
// The list box lstFileList seen as the entries the change and the editing commands work on.
#include "mainwindow/change/ChangeSources.h"

#include <functional>

namespace velmora {

class ListBox;

class ListBoxEntries final : public EntryList {
public:
    explicit ListBoxEntries(ListBox& list)
        : m_list(list)
    {}

    // The list's selection handling, run for every select().
    void setSelectionHandler(std::function<void()> handler) { m_handler = std::move(handler); }

    int count() const override;
    QString text(int index) const override;
    int selected() const override;
    void select(int index) override;
    void insert(int index, const QString& text) override;
    void insertMany(int index, const QStringList& texts) override;
    void remove(int index) override;
    void clear() override;

private:
    ListBox& m_list;
    std::function<void()> m_handler;
};

} // namespace velmora
