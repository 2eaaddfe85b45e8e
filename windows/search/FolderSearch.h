#pragma once
// SearchFolder: the walk of the sub-folder search over a folder and every folder below it, as a
// plain class that runs on any thread.
#include "core/ListFiles.h"
#include "windows/FolderLister.h"

#include <QList>
#include <QStringList>

#include <functional>
#include <vector>

namespace velmora {

struct UnreadableFolder {
    QString path;  // as the program shows folders (FolderText)
    int error = 0; // errno
};

enum class SearchEnd {
    Complete,
    Stopped, // stopRequested said so; the finds handed on so far stand
    Full,    // the found list reached its capacity and a further file was found
};

struct SearchCallbacks {
    // SearchActive cleared: asked at every folder visit and during long listings.
    std::function<bool()> stopRequested;
    // The finds of one folder, full paths in name order. Never empty.
    std::function<void(const QStringList& finds)> found;
    // A folder that could not be listed (or vanished); the walk passes over it and goes on.
    std::function<void(const UnreadableFolder& folder)> unreadable;
};

class FolderSearch {
public:
    explicit FolderSearch(SearchCallbacks callbacks, int capacity = MaxListEntries,
                          FolderLister lister = platform::ScanFolder);
    FolderSearch(const FolderSearch&) = delete;
    FolderSearch& operator=(const FolderSearch&) = delete;

    // Finds every file matching ImageFilePattern in start and below it. Each folder's sub-folders
    // are visited from the last to the first in name order, and a folder's own finds follow those
    // of all its sub-folders. Links to folders are not followed; links to files are taken.
    SearchEnd SearchFolder(const QString& start);

    // Finds handed on so far.
    int found() const { return m_found; }

private:
    struct Frame {
        QString folder; // ends with the separator
        QStringList files;
        QStringList subFolders;
        qsizetype next; // sub-folders still to visit: subFolders[0 .. next)
    };

    // Lists folder and pushes its frame; false when the search is to end.
    bool visit(const QString& folder);
    bool stopRequested() const { return m_callbacks.stopRequested && m_callbacks.stopRequested(); }

    SearchCallbacks m_callbacks;
    int m_capacity;
    FolderLister m_lister;
    platform::ScanOptions m_options;
    std::vector<Frame> m_stack;
    int m_found = 0;
};

} // namespace velmora
