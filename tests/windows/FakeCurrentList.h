#pragma once
// A stand-in for the main window's current list that records what the windows do to it.
#include "windows/CurrentList.h"

namespace velmora::test {

class FakeCurrentList final : public CurrentList {
public:
    QStringList entries;
    QList<QStringList> insertions; // each insertEntries call

    int count() const override { return int(entries.size()); }
    void clear() override { entries.clear(); }
    void appendEntries(const QStringList& paths) override { entries.append(paths); }
    void insertEntries(const QStringList& paths) override
    {
        insertions.append(paths);
        entries.append(paths);
    }
};

} // namespace velmora::test
