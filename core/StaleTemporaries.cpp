#include "core/StaleTemporaries.h"

#include "core/SettingsFile.h"
#include "platform/WriteLock.h"

#include <QDir>
#include <QFile>

#include <algorithm>

namespace velmora {
namespace {

bool randomSuffix(QStringView suffix)
{
    return suffix.size() == 6 && std::all_of(suffix.begin(), suffix.end(), [](QChar c) {
               return c.unicode() < 128 && c.isLetterOrNumber();
           });
}

bool ownTextFile(QStringView name)
{
    return name == QStringView(SettingsFileName) || name == u"lfname.dat" || name == u"lfolder.dat" ||
           (name.size() > 4 && name.endsWith(u".lst", Qt::CaseInsensitive));
}

// The work bitmaps and the alternates handed to desktops ("$$WALL$$-1.BMP"): no user names a file so.
bool ownBitmap(QStringView name)
{
    return name.startsWith(u"$$") && name.endsWith(u".BMP");
}

} // namespace

bool IsStaleTemporaryName(const QString& name)
{
    if (name.size() < 8 || name[name.size() - 7] != u'.')
        return false;
    const QStringView base = QStringView(name).chopped(7);
    const QStringView suffix = QStringView(name).last(6);
    if (!randomSuffix(suffix))
        return false;
    if (ownBitmap(base))
        return true;
    const bool word = std::all_of(suffix.begin(), suffix.end(), [](QChar c) { return c.isLower(); });
    return ownTextFile(base) && !word;
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
