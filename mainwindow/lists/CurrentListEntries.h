#pragma once
// lstFileList as the patrol and the search change it: through the list's entries and the list
// editing commands' insertion rule.
#include "windows/CurrentList.h"

namespace velmora {

class EntryList;
class ListEditing;

class CurrentListEntries final : public CurrentList {
public:
    CurrentListEntries(EntryList& entries, ListEditing& editing)
        : m_entries(entries)
        , m_editing(editing)
    {}

    int count() const override;
    void clear() override;
    void appendEntries(const QStringList& paths) override;
    void insertEntries(const QStringList& paths) override;

private:
    EntryList& m_entries;
    ListEditing& m_editing;
};

} // namespace velmora
