#include "platform/DesktopThumbnailCache.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <sys/stat.h>

namespace velmora::platform {
namespace {

bool keptInUri(unsigned char byte)
{
    if ((byte >= 'a' && byte <= 'z') || (byte >= 'A' && byte <= 'Z') || (byte >= '0' && byte <= '9'))
        return true;
    switch (byte) {
    case '-': case '_': case '.': case '~': case '!': case '$': case '&': case '\'': case '(':
    case ')': case '*': case '+': case ',': case '=': case ':': case '@': case '/':
        return true;
    default:
        return false;
    }
}

} // namespace

QString ThumbnailCacheRoot()
{
    QString base = qEnvironmentVariable("XDG_CACHE_HOME");
    // The variable counts only when absolute; a relative one is to be ignored.
    if (base.isEmpty() || !QDir::isAbsolutePath(base))
        base = QDir::homePath() + QStringLiteral("/.cache");
    return QDir::cleanPath(base) + QStringLiteral("/thumbnails/");
}

QString FileUri(const QString& absolutePath)
{
    static constexpr char hex[] = "0123456789ABCDEF";
    QByteArray uri("file://");
    const QByteArray bytes = QFile::encodeName(absolutePath);
    uri.reserve(uri.size() + bytes.size() * 3);
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (keptInUri(byte)) {
            uri += c;
        } else {
            uri += '%';
            uri += hex[byte >> 4];
            uri += hex[byte & 15];
        }
    }
    return QString::fromLatin1(uri);
}

bool MakePrivateFolders(const QString& folder)
{
    const QByteArray path = QFile::encodeName(QDir::cleanPath(folder));
    if (path.isEmpty())
        return false;
    // Each level in turn: the ones that exist keep their modes, the new ones are the user's alone.
    for (qsizetype end = path.indexOf('/', 1); ; end = path.indexOf('/', end + 1)) {
        const QByteArray level = end < 0 ? path : path.left(end);
        struct stat info {};
        // Existing levels are passed over first: mkdir on a read-only mount fails even for them.
        if (::stat(level.constData(), &info) != 0 && ::mkdir(level.constData(), 0700) != 0 && errno != EEXIST)
            return false;
        if (end < 0)
            break;
    }
    struct stat info {};
    return ::stat(path.constData(), &info) == 0 && S_ISDIR(info.st_mode);
}

} // namespace velmora::platform
