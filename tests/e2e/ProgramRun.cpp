#include "tests/e2e/ProgramRun.h"

#include "tests/e2e/WindowManagerProbe.h"
#include "tests/e2e/X11Desktop.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QDirIterator>
#include <QFile>

#include <csignal>
#include <grp.h>
#include <stdexcept>
#include <unistd.h>

namespace velmora::test {
namespace {

void ChangeOwner(const QString& path, uint uid, uint gid)
{
    if (::lchown(QFile::encodeName(path).constData(), uid, gid) != 0)
        throw std::runtime_error("cannot hand " + path.toStdString() + " to the desktop's user");
}

} // namespace

ProgramRun::ProgramRun()
{
    if (!QFile::copy(QStringLiteral(VELMORA_BINARY), m_program.file(QStringLiteral("velmora"))))
        throw std::runtime_error("cannot copy the program");
    QFile::setPermissions(m_program.file(QStringLiteral("velmora")),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QDir(m_home.path()).mkpath(QStringLiteral("Pictures"));
    // Splash windows only slow the runs down.
    WriteBytes(m_program.file(QStringLiteral("NOSPLASH")), "");
}

ProgramRun::~ProgramRun()
{
    // A test that failed half-way leaves the program running.
    if (running())
        stop();
    if (m_windowManager.state() != QProcess::NotRunning) {
        m_windowManager.terminate();
        if (!m_windowManager.waitForFinished(5000))
            m_windowManager.kill();
        m_windowManager.waitForFinished(2000);
    }
}

QProcessEnvironment ProgramRun::environment() const
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name :
         {"XDG_CURRENT_DESKTOP", "XDG_SESSION_DESKTOP", "DESKTOP_SESSION", "WAYLAND_DISPLAY", "SWAYSOCK",
          "KDE_FULL_SESSION", "GNOME_DESKTOP_SESSION_ID", "MATE_DESKTOP_SESSION_ID", "XDG_DATA_HOME",
          "XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_PICTURES_DIR"})
        env.remove(QString::fromLatin1(name));
    env.insert(QStringLiteral("DISPLAY"), m_x.display());
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    env.insert(QStringLiteral("HOME"), m_home.path());
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_home.path());
    // No session bus: the run reaches none of the real desktop's services, and Qt's tray icon
    // takes the X11 notification area rather than a StatusNotifierItem host.
    env.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"),
               QStringLiteral("unix:path=") + m_home.file(QStringLiteral("no-bus")));
    // A sanitizer build would report the caches Qt keeps for the life of the process as leaks.
    env.insert(QStringLiteral("ASAN_OPTIONS"), QStringLiteral("detect_leaks=0"));
    // The texts the tests look for are the Japanese ones, whatever language the machine speaks; a
    // test of another language sets LANGUAGE in its session.
    env.insert(QStringLiteral("LANGUAGE"), QStringLiteral("ja"));
    for (const auto& [name, value] : m_session) {
        if (value.isEmpty())
            env.remove(name);
        else
            env.insert(name, value);
    }
    return env;
}

void ProgramRun::writeSettings(const QByteArray& lines) const
{
    WriteBytes(m_program.file(QStringLiteral("Velmora.INI")), "[Velmora]\r\n" + lines);
}

QString ProgramRun::picture(const QString& name, const QImage& image) const
{
    const QString path = m_home.file(QStringLiteral("Pictures/") + name);
    if (!image.save(path))
        throw std::runtime_error("cannot write a picture");
    return path;
}

void ProgramRun::runAsUser(uint uid, uint gid)
{
    m_user = qMakePair(uid, gid);
}

void ProgramRun::start(const QStringList& arguments)
{
    if (m_user) {
        const uint uid = m_user->first;
        const uint gid = m_user->second;
        // Pictures and settings written since the last start belong to the user too.
        for (const QString& folder : {m_program.path(), m_home.path()}) {
            ChangeOwner(folder, uid, gid);
            QDirIterator files(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                               QDirIterator::Subdirectories);
            while (files.hasNext())
                ChangeOwner(files.next(), uid, gid);
        }
        m_process.setChildProcessModifier([uid, gid] {
            if (::setgroups(0, nullptr) != 0 || ::setgid(gid) != 0 || ::setuid(uid) != 0)
                ::_exit(127);
        });
    }
    m_process.setProcessEnvironment(environment());
    m_process.setWorkingDirectory(m_program.path());
    m_process.setProcessChannelMode(m_captureErrors ? QProcess::SeparateChannels
                                                    : QProcess::ForwardedErrorChannel);
    m_process.start(m_program.file(QStringLiteral("velmora")), arguments);
    m_process.waitForStarted(10000);
}

int ProgramRun::run(const QStringList& arguments)
{
    start(arguments);
    if (!m_process.waitForFinished(60000)) {
        m_process.kill();
        m_process.waitForFinished();
        return -1;
    }
    return m_process.exitStatus() == QProcess::NormalExit ? m_process.exitCode() : -1;
}

int ProgramRun::stop()
{
    if (m_process.state() == QProcess::NotRunning)
        return -1;
    ::kill(static_cast<pid_t>(m_process.processId()), SIGTERM);
    if (!m_process.waitForFinished(20000)) {
        m_process.kill();
        m_process.waitForFinished();
        return -1;
    }
    return m_process.exitStatus() == QProcess::NormalExit ? m_process.exitCode() : -1;
}

int ProgramRun::wait(int timeoutMs)
{
    if (m_process.error() == QProcess::FailedToStart)
        return -1;
    if (m_process.state() != QProcess::NotRunning && !m_process.waitForFinished(timeoutMs))
        return -1;
    return m_process.exitStatus() == QProcess::NormalExit ? m_process.exitCode() : -1;
}

void ProgramRun::signal(int number)
{
    if (m_process.state() != QProcess::NotRunning)
        ::kill(static_cast<pid_t>(m_process.processId()), number);
}

bool ProgramRun::waitForEnd(int milliseconds)
{
    return m_process.state() == QProcess::NotRunning || m_process.waitForFinished(milliseconds);
}

QByteArray ProgramRun::settingsFile() const
{
    QFile file(m_program.file(QStringLiteral("Velmora.INI")));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString ProgramRun::setting(const QString& key) const
{
    const QByteArray prefix = "\r\n" + key.toUtf8() + "=";
    const QByteArray text = settingsFile();
    const qsizetype start = text.indexOf(prefix);
    if (start < 0)
        return {};
    const qsizetype valueStart = start + prefix.size();
    return QString::fromUtf8(text.mid(valueStart, text.indexOf("\r\n", valueStart) - valueStart));
}

QImage ProgramRun::rootWindow() const
{
    QProcess import;
    import.start(QStringLiteral("import"),
                 {QStringLiteral("-display"), m_x.display(), QStringLiteral("-window"),
                  QStringLiteral("root"), QStringLiteral("png:-")});
    import.waitForFinished(30000);
    return QImage::fromData(import.readAllStandardOutput(), "PNG").convertToFormat(QImage::Format_RGB32);
}

bool ProgramRun::setMonitor(const QString& name, QRect geometry, const QString& output) const
{
    // Millimetres at 96 DPI; Qt takes them for the screen's physical size only.
    const QString geometryText = QStringLiteral("%1/%2x%3/%4+%5+%6")
                                     .arg(geometry.width())
                                     .arg(geometry.width() * 254 / 960)
                                     .arg(geometry.height())
                                     .arg(geometry.height() * 254 / 960)
                                     .arg(geometry.x())
                                     .arg(geometry.y());
    return tool(QStringLiteral("xrandr"), {QStringLiteral("--setmonitor"), name, geometryText, output})
        .has_value();
}

bool ProgramRun::deleteMonitor(const QString& name) const
{
    return tool(QStringLiteral("xrandr"), {QStringLiteral("--delmonitor"), name}).has_value();
}

void ProgramRun::startWindowManagerNow()
{
    m_windowManager.setProcessEnvironment(environment());
    m_windowManager.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_windowManager.start(QStringLiteral("openbox"), {QStringLiteral("--sm-disable")});
    m_windowManager.waitForStarted(10000);
}

bool ProgramRun::startWindowManager()
{
    startWindowManagerNow();
    return WindowManagerAnswers(m_x.display());
}

void ProgramRun::startForgetfulWindowManager()
{
    m_windowManager.setProcessEnvironment(environment());
    m_windowManager.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_windowManager.start(QStringLiteral(VELMORA_FORGETFUL_WM), {});
    m_windowManager.waitForStarted(10000);
    // It selects the root's redirection before anything else; a window that comes first would be
    // mapped by the server itself.
    PollUntil([this] {
        const std::optional<QString> text =
            tool(QStringLiteral("xwininfo"), {QStringLiteral("-root"), QStringLiteral("-all")});
        return text && text->contains(QStringLiteral("SubstructureRedirect"));
    });
}

std::optional<QString> ProgramRun::waitForMainWindow(int timeoutMs) const
{
    std::optional<QString> found;
    PollUntil(
        [&] {
            const std::optional<QString> shown =
                xdotool({QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--name"),
                         QStringLiteral("^Velmora$")});
            if (shown && !shown->isEmpty())
                found = shown->section(u'\n', 0, 0);
            return found.has_value();
        },
        timeoutMs);
    return found;
}

std::optional<QString> ProgramRun::waitForOtherWindow(const QString& mainWindow, int timeoutMs) const
{
    std::optional<QString> found;
    PollUntil(
        [&] {
            const std::optional<QString> shown =
                xdotool({QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                         QStringLiteral("--classname"), QStringLiteral("velmora")});
            for (const QString& window : shown.value_or(QString()).split(u'\n', Qt::SkipEmptyParts))
                if (window != mainWindow)
                    found = window;
            return found.has_value();
        },
        timeoutMs);
    return found;
}

bool ProgramRun::closeWithWindowManager(const QString& window)
{
    // openbox passes over a close for a window it has not taken yet (its map still being answered):
    // the request goes once the window has WM_STATE, and again until the program has ended.
    QDeadlineTimer deadline(20000);
    while (!deadline.hasExpired()) {
        const std::optional<QString> state =
            tool(QStringLiteral("xprop"), {QStringLiteral("-id"), window, QStringLiteral("WM_STATE")});
        const bool taken = state && state->contains(QLatin1String("window state"));
        if (taken)
            tool(QStringLiteral("wmctrl"), {QStringLiteral("-i"), QStringLiteral("-c"), window});
        if (waitForEnd(taken ? 3000 : 100))
            return true;
    }
    return false;
}

namespace {

// "_NET_FRAME_EXTENTS(CARDINAL) = 1, 1, 21, 1": left, right, top, bottom; empty when unset.
QList<int> FrameExtents(const QString& xprop)
{
    QList<int> extents;
    for (const QString& part : xprop.section(u'=', 1).split(u',', Qt::SkipEmptyParts)) {
        bool ok = false;
        extents << part.trimmed().toInt(&ok);
        if (!ok)
            return {};
    }
    return extents.size() == 4 ? extents : QList<int>{};
}

// "  Absolute upper-left X:  21" of xwininfo.
int AbsoluteCorner(const QString& xwininfo, const QString& axis)
{
    const QString label = QStringLiteral("Absolute upper-left %1:").arg(axis);
    for (const QString& line : xwininfo.split(u'\n'))
        if (line.trimmed().startsWith(label))
            return line.section(u':', 1).trimmed().toInt();
    return 0;
}

} // namespace

std::optional<QPoint> ProgramRun::frameCorner(const QString& window) const
{
    const QList<int> extents = FrameExtents(
        tool(QStringLiteral("xprop"), {QStringLiteral("-id"), window, QStringLiteral("_NET_FRAME_EXTENTS")})
            .value_or(QString()));
    const std::optional<QString> info = tool(QStringLiteral("xwininfo"), {QStringLiteral("-id"), window});
    if (extents.isEmpty() || !info)
        return std::nullopt;
    return QPoint(AbsoluteCorner(*info, QStringLiteral("X")) - extents[0],
                  AbsoluteCorner(*info, QStringLiteral("Y")) - extents[2]);
}

int ProgramRun::frameTop(const QString& window) const
{
    const QList<int> extents = FrameExtents(
        tool(QStringLiteral("xprop"), {QStringLiteral("-id"), window, QStringLiteral("_NET_FRAME_EXTENTS")})
            .value_or(QString()));
    return extents.isEmpty() ? 0 : extents[2];
}

QString ProgramRun::visibleWindows() const
{
    QString text;
    const std::optional<QString> shown = xdotool({QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                                  QStringLiteral("--name"), QStringLiteral(".")});
    for (const QString& window : shown.value_or(QString()).split(u'\n', Qt::SkipEmptyParts))
        text += window + QStringLiteral(" \"") +
                xdotool({QStringLiteral("getwindowname"), window}).value_or(QString()) +
                QStringLiteral("\"; ");
    return text.isEmpty() ? QStringLiteral("none") : text;
}

std::optional<QString> ProgramRun::tool(const QString& program, const QStringList& arguments) const
{
    QProcess tool;
    tool.setProcessEnvironment(environment());
    tool.start(program, arguments);
    if (!tool.waitForFinished(20000)) {
        tool.kill();
        tool.waitForFinished();
        return std::nullopt;
    }
    if (tool.exitStatus() != QProcess::NormalExit || tool.exitCode() != 0)
        return std::nullopt;
    return QString::fromUtf8(tool.readAllStandardOutput()).trimmed();
}

std::optional<QString> ProgramRun::xdotool(const QStringList& arguments) const
{
    return tool(QStringLiteral("xdotool"), arguments);
}

} // namespace velmora::test
