#include "core/StaleTemporaries.h"

#include "platform/AtomicFile.h"
#include "platform/WriteLock.h"

#include <QDir>
#include <QFile>

#include <algorithm>

namespace velmora {
namespace {

bool randomSuffix(QStringView suffix)
{
    return suffix.size() == platform::TemporaryRandomLength &&
           std::all_of(suffix.begin(), suffix.end(),
                       [](QChar c) { return c.unicode() < 128 && c.isLetterOrNumber(); });
}

// The work bitmap and the alternates handed to desktops: no user names a file so.
bool ownBitmap(QStringView name)
{
    return name == u"$$WALL$$.BMP" || name == u"$$WALL$$-1.BMP" || name == u"$$WALL$$-2.BMP";
}

} // namespace

bool IsStaleTemporaryName(const QString& name)
{
    const QStringView marker(platform::TemporaryMarker);
    const qsizetype at = name.size() - platform::TemporaryRandomLength - marker.size();
    if (at > 0 && QStringView(name).sliced(at).startsWith(marker))
        return randomSuffix(QStringView(name).last(platform::TemporaryRandomLength));
    // Earlier versions named a temporary "<file>.XXXXXX".
    const qsizetype dot = name.size() - platform::TemporaryRandomLength - 1;
    return dot > 0 && name[dot] == u'.' && ownBitmap(QStringView(name).first(dot)) &&
           randomSuffix(QStringView(name).last(platform::TemporaryRandomLength));
}

int RemoveStaleTemporaries(const QString& programFolder)
{
    const QDir folder(programFolder);
    int removed = 0;
    for (const QString& name : folder.entryList(QDir::Files | QDir::Hidden | QDir::NoSymLinks)) {
        if (!IsStaleTemporaryName(name))
            continue;
        const QString path = folder.filePath(name);
        if (platform::IsBeingWritten(path))
            continue;
        removed += QFile::remove(path) ? 1 : 0;
    }
    return removed;
}

} // namespace velmora
