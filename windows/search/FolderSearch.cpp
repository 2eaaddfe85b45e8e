#include "windows/search/FolderSearch.h"

#include "core/ImageFilePattern.h"
#include "core/PathRoutines.h"
#include "windows/NameOrder.h"

#include <cerrno>

namespace velmora {

FolderSearch::FolderSearch(SearchCallbacks callbacks, int capacity, FolderLister lister)
    : m_callbacks(std::move(callbacks))
    , m_capacity(capacity)
    , m_lister(std::move(lister))
{
    m_options.folders = true;
    // A search from the home folder would otherwise collect the thumbnail cache and the trash.
    // The start itself is walked even when hidden: the user chose it.
    m_options.skipHidden = true;
    m_options.acceptFile = [](const QString& name) { return MatchesImageFilePattern(name); };
    m_options.stopRequested = [this] { return stopRequested(); };
}

bool FolderSearch::visit(const QString& folder)
{
    if (stopRequested())
        return false;
    platform::FolderListing listing = m_lister(folder, m_options);
    if (listing.stopped)
        return false;
    if (listing.error != 0) {
        // Whatever was listed before the failure is passed over with the rest of the folder.
        if (m_callbacks.unreadable)
            m_callbacks.unreadable({FolderText(folder), listing.error});
        return true;
    }
    Frame frame{folder, {}, {}, 0};
    for (platform::FolderEntry& entry : listing.entries) {
        if (!entry.folder)
            frame.files.append(std::move(entry.name));
        else if (!entry.link) // a link back up the tree would never end
            frame.subFolders.append(std::move(entry.name));
    }
    SortByName(frame.files);
    SortByName(frame.subFolders);
    frame.next = frame.subFolders.size();
    m_stack.push_back(std::move(frame));
    return true;
}

SearchEnd FolderSearch::SearchFolder(const QString& start)
{
    m_stack.clear();
    if (start.isEmpty()) {
        // Not the root: a start that was never set.
        if (m_callbacks.unreadable)
            m_callbacks.unreadable({start, ENOENT});
        return SearchEnd::Complete;
    }
    if (!visit(AddPathSep(start)))
        return SearchEnd::Stopped;
    while (!m_stack.empty()) {
        Frame& top = m_stack.back();
        if (top.next > 0) {
            const QString child = top.folder + top.subFolders.at(--top.next) + PathSep;
            if (!visit(child))
                return SearchEnd::Stopped;
            continue;
        }
        QStringList finds;
        finds.reserve(top.files.size());
        for (const QString& name : std::as_const(top.files))
            finds.append(top.folder + name);
        m_stack.pop_back();
        if (finds.isEmpty())
            continue;
        const qsizetype room = m_capacity - m_found;
        const bool full = finds.size() > room;
        if (full)
            finds.resize(room);
        m_found += int(finds.size());
        if (!finds.isEmpty() && m_callbacks.found)
            m_callbacks.found(finds);
        if (full)
            return SearchEnd::Full;
    }
    return SearchEnd::Complete;
}

} // namespace velmora
