#include "windows/patrol/FolderPatrol.h"

#include "core/Failure.h"
#include "core/ImageFilePattern.h"
#include "core/PathRoutines.h"
#include "core/Steps.h"
#include "windows/NameOrder.h"

#include <cerrno>

namespace velmora {
namespace {

// Entries handed on at a time, so that the files' progress moves through a large folder.
constexpr qsizetype EntriesAtATime = 2048;

Failure CannotList(int error, const QString& folder)
{
    // A folder that is not there is a path not found, as the file list reports it.
    if (error == ENOENT)
        return Failure(ErrorCode::PathNotFound,
                       QStringLiteral("%1\n%2").arg(Failure::standardText(ErrorCode::PathNotFound), folder));
    return Failure::fromErrno(error, folder);
}

} // namespace

FolderPatrol::FolderPatrol(PatrolCallbacks callbacks, int capacity, FolderLister lister)
    : m_callbacks(std::move(callbacks))
    , m_capacity(capacity)
    , m_lister(std::move(lister))
{
    m_options.skipHidden = true;
    m_options.acceptFile = [](const QString& name) { return MatchesImageFilePattern(name); };
    m_options.stopRequested = [this] { return stopRequested(); };
}

QStringList FolderPatrol::listFolder(const QString& folder)
{
    platform::FolderListing listing = m_lister(folder, m_options);
    if (listing.stopped) {
        m_stopped = true;
        return {};
    }
    if (listing.error != 0)
        throw CannotList(listing.error, folder);
    QStringList names;
    names.reserve(listing.entries.size());
    for (platform::FolderEntry& entry : listing.entries)
        if (!entry.folder)
            names.append(std::move(entry.name));
    SortByName(names);
    return names;
}

PatrolEnd FolderPatrol::Run(const QStringList& folders)
{
    m_appended = 0;
    m_stopped = false;
    m_fullFolder.clear();
    Steps steps(AskUser);
    for (int i = 0; i < folders.size(); ++i) {
        if (stopRequested())
            return PatrolEnd::Stopped;
        const QString& folder = folders.at(i);
        QStringList names;
        bool listed = false;
        steps([&] {
            names = listFolder(folder);
            listed = true;
        });
        if (steps.left())
            return PatrolEnd::Aborted;
        if (m_stopped)
            return PatrolEnd::Stopped;
        // After Ignore the folder's files are simply not taken.
        if (listed) {
            if (m_callbacks.folderListed)
                m_callbacks.folderListed(i, int(names.size()));
            const QString prefix = AddPathSep(folder);
            for (qsizetype first = 0; first < names.size(); first += EntriesAtATime) {
                const qsizetype room = m_capacity - m_appended;
                const qsizetype count = std::min({EntriesAtATime, names.size() - first, room});
                QStringList entries;
                entries.reserve(count);
                for (qsizetype j = first; j < first + count; ++j)
                    entries.append(prefix + names.at(j));
                m_appended += int(count);
                if (count > 0 && m_callbacks.entriesFound)
                    m_callbacks.entriesFound(i, entries, int(first + count - 1));
                if (count < std::min(EntriesAtATime, names.size() - first)) {
                    m_fullFolder = folder;
                    return PatrolEnd::Full;
                }
            }
        }
        if (m_callbacks.folderDone)
            m_callbacks.folderDone(i);
    }
    return PatrolEnd::Complete;
}

} // namespace velmora
