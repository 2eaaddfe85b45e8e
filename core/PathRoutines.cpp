#include "core/PathRoutines.h"

#include "core/Failure.h"
#include "platform/FileSystem.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace velmora {

QString GetExtension(const QString& path)
{
    const qsizetype dot = path.lastIndexOf(u'.');
    return dot < 0 ? QString() : path.mid(dot + 1);
}

void SplitText(const QString& text, QChar delimiter, QStringList& pieces, int& count, int capacity)
{
    qsizetype start = 0;
    for (;;) {
        const qsizetype next = text.indexOf(delimiter, start);
        if (count >= capacity)
            throw Failure(ErrorCode::SubscriptOutOfRange,
                          Failure::standardText(ErrorCode::SubscriptOutOfRange));
        while (pieces.size() <= count)
            pieces.append(QString());
        pieces[count++] = text.mid(start, next < 0 ? -1 : next - start);
        if (next < 0)
            return;
        start = next + 1;
    }
}

QString GetFileName(const QString& path)
{
    // Linux paths may nest far deeper than the hundred levels a fixed piece array allowed,
    // so the name is taken directly rather than through SplitText.
    const qsizetype sep = path.lastIndexOf(PathSep);
    return sep < 0 ? path : path.mid(sep + 1);
}

QString AddPathSep(const QString& path)
{
    return path.endsWith(PathSep) ? path : path + PathSep;
}

bool FileExists(const QString& path)
{
    return platform::PathExists(path);
}

bool FolderExists(const QString& path)
{
    return platform::IsEnterableFolder(path);
}

int CompareFileNames(const QString& a, const QString& b)
{
    const int ignoringCase = a.compare(b, Qt::CaseInsensitive);
    return ignoringCase != 0 ? ignoringCase : a.compare(b, Qt::CaseSensitive);
}

QString TrimAtNul(const QString& text)
{
    const qsizetype nul = text.indexOf(QChar(u'\0'));
    return nul < 0 ? text : text.left(nul);
}

QString GetWindowsFolder()
{
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    if (!pictures.isEmpty() && QFileInfo(pictures).isDir())
        return QDir::cleanPath(pictures);
    const QString home = QDir::homePath();
    if (!home.isEmpty() && QFileInfo(home).isDir())
        return QDir::cleanPath(home);
    return {};
}

} // namespace velmora
