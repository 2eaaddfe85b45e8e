#include "platform/Autostart.h"

#include "platform/AtomicFile.h"
#include "platform/RegularFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace velmora::platform {
namespace {

// Characters that make an Exec argument need quotes, and those that must be escaped inside them.
constexpr QStringView Reserved = u" \t\n\"'\\><~|&;$*?#()`";
constexpr QStringView EscapedInQuotes = u"\"`$\\";

QString systemError(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// Creates the folder and its missing parents; 0 or the errno of the step that failed.
int makeFolders(const QString& folder)
{
    if (QFileInfo(folder).isDir())
        return 0;
    const QString parent = QFileInfo(folder).path();
    if (parent != folder)
        if (const int code = makeFolders(parent))
            return code;
    if (::mkdir(QFile::encodeName(folder).constData(), 0755) != 0 && errno != EEXIST)
        return errno;
    return QFileInfo(folder).isDir() ? 0 : ENOTDIR;
}

bool isSwitchedOff(const QByteArray& line)
{
    const QByteArray trimmed = line.trimmed();
    return trimmed == "Hidden=true" || trimmed == "X-GNOME-Autostart-enabled=false";
}

} // namespace

QString AutostartEntryPathFor(const QString& configHome, const QString& home)
{
    const QString base = QDir::isAbsolutePath(configHome) ? configHome : home + QStringLiteral("/.config");
    return QDir::cleanPath(base + QStringLiteral("/autostart/velmora.desktop"));
}

QString AutostartEntryPath()
{
    return AutostartEntryPathFor(qEnvironmentVariable("XDG_CONFIG_HOME"), QDir::homePath());
}

QString DesktopExecArgument(const QString& argument)
{
    QString value = argument;
    if (argument.isEmpty() ||
        std::any_of(argument.begin(), argument.end(), [](QChar c) { return Reserved.contains(c); })) {
        value.clear();
        for (const QChar c : argument) {
            if (EscapedInQuotes.contains(c))
                value += u'\\';
            value += c;
        }
        value = u'"' + value + u'"';
    }
    value.replace(u'%', QStringLiteral("%%"));
    // The string rules of the file apply on top of the quoting: a literal backslash is doubled again.
    value.replace(u'\\', QStringLiteral("\\\\"));
    value.replace(u'\n', QStringLiteral("\\n"));
    value.replace(u'\t', QStringLiteral("\\t"));
    value.replace(u'\r', QStringLiteral("\\r"));
    return value;
}

QString AutostartCommand(const QString& executable, const QString& pathFound)
{
    const QString self = QFileInfo(executable).canonicalFilePath();
    if (!pathFound.isEmpty() && !self.isEmpty() && QFileInfo(pathFound).canonicalFilePath() == self)
        return QFileInfo(executable).fileName();
    return DesktopExecArgument(self.isEmpty() ? executable : self);
}

QString CurrentAutostartCommand()
{
    const QString executable = QCoreApplication::applicationFilePath();
    return AutostartCommand(executable, QStandardPaths::findExecutable(QFileInfo(executable).fileName()));
}

QByteArray AutostartEntryText(const QString& command)
{
    // The entry carries its comment in both languages, whichever the program shows; the desktop picks
    // by the session's locale. The Japanese one is kept in the catalogue beside its English form.
    static const char* const japaneseComment =
        QT_TRANSLATE_NOOP("Autostart", "ログイン時に Velmora をウィンドウを出さずに起動します");
    return "[Desktop Entry]\n"
           "Type=Application\n"
           "Name=Velmora\n"
           "Comment=Start Velmora hidden with the session\n"
           "Comment[ja]=" +
           QByteArray(japaneseComment) +
           "\n"
           "Exec=" +
           command.toUtf8() +
           " -ng\n"
           "Icon=velmora\n"
           "Terminal=false\n"
           "X-GNOME-Autostart-enabled=true\n";
}

bool AutostartEnabled(const QString& entryPath)
{
    // A pipe put in its place is not one (and is never waited on).
    RegularFile file(entryPath);
    if (!file.isOpen())
        return false;
    // An entry is a few hundred bytes; a huge file is not one of ours and is read no further.
    QByteArray text(64 * 1024, Qt::Uninitialized);
    text.resize(qsizetype(std::max<qint64>(0, file.read(text.data(), text.size()))));
    const QList<QByteArray> lines = text.split('\n');
    return std::none_of(lines.begin(), lines.end(), isSwitchedOff);
}

bool SetAutostart(const QString& entryPath, bool enabled, const QString& command, QString* error)
{
    const auto fail = [&](const QString& path, int code) {
        *error = QStringLiteral("%1\n(%2)").arg(path, systemError(code));
        return false;
    };
    if (!enabled) {
        if (::unlink(QFile::encodeName(entryPath).constData()) == 0 || errno == ENOENT)
            return true;
        return fail(entryPath, errno);
    }
    const QString folder = QFileInfo(entryPath).absolutePath();
    if (const int code = makeFolders(folder))
        return fail(folder, code);
    const QByteArray text = AutostartEntryText(command);
    AtomicFileWriter writer(entryPath);
    if (writer.error() == 0 && writer.write(text.constData(), text.size()) && writer.commit())
        return true;
    return fail(entryPath, writer.error());
}

} // namespace velmora::platform
