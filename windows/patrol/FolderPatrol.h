#pragma once
// The run of the folder patrol: every patrol folder's image files (directly in it, in name order) as
// entries of the current list. A plain class that runs on any thread; a folder that cannot be listed
// gets the uniform Abort/Retry/Ignore question through the thread's prompter.
#include "core/ListFiles.h"
#include "windows/FolderLister.h"

#include <QStringList>

#include <functional>

namespace velmora {

struct PatrolCallbacks {
    // Asked before each folder and during long listings; true ends the patrol.
    std::function<bool()> stopRequested;
    // Folder index has fileCount image files; their entries follow.
    std::function<void(int index, int fileCount)> folderListed;
    // Entries of folder index, in order; last is the position of the last of them in that folder.
    std::function<void(int index, const QStringList& entries, int last)> entriesFound;
    // Folder index is done (listed, or passed over after Ignore).
    std::function<void(int index)> folderDone;
};

enum class PatrolEnd {
    Complete,
    Aborted, // the user chose Abort for a folder that could not be listed
    Stopped, // stopRequested said so
    Full,    // the list reached its limit; fullFolder() names the folder whose files did not all fit
};

struct PatrolResult {
    PatrolEnd end = PatrolEnd::Complete;
    QString fullFolder; // with Full
};

class FolderPatrol {
public:
    explicit FolderPatrol(PatrolCallbacks callbacks, int capacity = MaxListEntries,
                          FolderLister lister = platform::ScanFolder);
    FolderPatrol(const FolderPatrol&) = delete;
    FolderPatrol& operator=(const FolderPatrol&) = delete;

    PatrolEnd Run(const QStringList& folders);

    int appended() const { return m_appended; }
    QString fullFolder() const { return m_fullFolder; }

private:
    // The image files directly in folder, in name order; throws a Failure when it cannot be listed.
    QStringList listFolder(const QString& folder);
    bool stopRequested() const { return m_callbacks.stopRequested && m_callbacks.stopRequested(); }

    PatrolCallbacks m_callbacks;
    int m_capacity;
    FolderLister m_lister;
    platform::ScanOptions m_options;
    int m_appended = 0;
    bool m_stopped = false;
    QString m_fullFolder;
};

} // namespace velmora
