#pragma once
// What the patrol and the search change of the main window's current list (lstFileList).
#include <QStringList>

namespace velmora {

class CurrentList {
public:
    virtual ~CurrentList() = default;
    virtual int count() const = 0;
    virtual void clear() = 0;
    // Appends at the end whatever is selected, up to the list's limit.
    virtual void appendEntries(const QStringList& paths) = 0;
    // By the insertion rule: in front of the selected entry, which stays selected, or at the end
    // when nothing is selected. Says so when the list's limit leaves paths out.
    virtual void insertEntries(const QStringList& paths) = 0;
};

} // namespace velmora
