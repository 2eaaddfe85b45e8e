#include "platform/wallpaper/RunningProgram.h"

#include <QByteArrayList>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <unistd.h>

namespace velmora::platform {

bool IsProgramRunning(const QString& program, const QString& argument)
{
    const QByteArray name = QFile::encodeName(program);
    const QByteArray wanted = QFile::encodeName(argument);
    const QDir proc(QStringLiteral("/proc"));
    for (const QString& pid : proc.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        bool numeric = false;
        pid.toUInt(&numeric);
        if (!numeric || QFileInfo(proc.filePath(pid)).ownerId() != ::getuid())
            continue;
        QFile cmdline(proc.filePath(pid) + QStringLiteral("/cmdline"));
        if (!cmdline.open(QIODevice::ReadOnly))
            continue; // ended meanwhile
        const QByteArrayList parts = cmdline.readAll().split('\0');
        if (parts.isEmpty() || parts.front().mid(parts.front().lastIndexOf('/') + 1) != name)
            continue;
        if (parts.indexOf(wanted, 1) > 0)
            return true;
    }
    return false;
}

} // namespace velmora::platform
