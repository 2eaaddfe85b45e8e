#include "tests/e2e/RealDesktops.h"

#include "tests/e2e/WindowManagerProbe.h"
#include "tests/e2e/X11Desktop.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <grp.h>
#include <pwd.h>
#include <unistd.h>

namespace velmora::test {
namespace {

// Desktops draw their first picture a while after they start on a loaded machine.
constexpr int StartMs = 60000;
const QString DesktopUser = QStringLiteral("velmora-desktop");

bool HasBusName(const QString& address, const QString& name)
{
    const QString connection = QStringLiteral("velmora-desktop-probe");
    bool found = false;
    {
        QDBusConnection bus = QDBusConnection::connectToBus(address, connection);
        found = bus.isConnected() && bus.interface()->isServiceRegistered(name).value();
    }
    QDBusConnection::disconnectFromBus(connection);
    return found;
}

// A visible window of the class on the display, as xdotool finds it.
bool HasVisibleWindow(const QString& display, const QStringList& search)
{
    QProcess xdotool;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DISPLAY"), display);
    xdotool.setProcessEnvironment(environment);
    xdotool.start(QStringLiteral("xdotool"),
                  QStringList{QStringLiteral("search"), QStringLiteral("--onlyvisible")} + search);
    return xdotool.waitForFinished(20000) && xdotool.exitCode() == 0 &&
           !xdotool.readAllStandardOutput().trimmed().isEmpty();
}

QImage ReadPng(QProcess& process)
{
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return {};
    return QImage::fromData(process.readAllStandardOutput(), "PNG").convertToFormat(QImage::Format_RGB32);
}

QImage RootWindow(const QString& display)
{
    QProcess import;
    import.start(QStringLiteral("import"), {QStringLiteral("-display"), display, QStringLiteral("-window"),
                                            QStringLiteral("root"), QStringLiteral("png:-")});
    return ReadPng(import);
}

QProcessEnvironment X11Session(const QString& display, const QString& home, const QString& bus)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DISPLAY"), display);
    environment.insert(QStringLiteral("HOME"), home);
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home + QStringLiteral(".config"));
    environment.insert(QStringLiteral("XDG_CACHE_HOME"), home + QStringLiteral(".cache"));
    environment.insert(QStringLiteral("XDG_DATA_HOME"), home + QStringLiteral(".local/share"));
    environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), bus);
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    return environment;
}

// The test user sway runs as under root, made on first use.
bool DesktopUserIds(uint* uid, uint* gid, QString* why)
{
    if (::geteuid() != 0) {
        *uid = ::geteuid();
        *gid = ::getegid();
        return true;
    }
    if (!::getpwnam(DesktopUser.toLatin1().constData())) {
        QProcess useradd;
        useradd.start(QStringLiteral("useradd"),
                      {QStringLiteral("--system"), QStringLiteral("--no-create-home"),
                       QStringLiteral("--home-dir"), QStringLiteral("/nonexistent"),
                       QStringLiteral("--shell"), QStringLiteral("/usr/sbin/nologin"), DesktopUser});
        useradd.waitForFinished(30000);
    }
    const passwd* user = ::getpwnam(DesktopUser.toLatin1().constData());
    if (!user) {
        *why = QStringLiteral("cannot create the user %1 that sway runs as").arg(DesktopUser);
        return false;
    }
    *uid = user->pw_uid;
    *gid = user->pw_gid;
    return true;
}

} // namespace

RealDesktop::~RealDesktop() = default;

bool RealDesktop::start(QProcess& process, const QString& program, const QStringList& arguments,
                        const QProcessEnvironment& environment)
{
    if (QStandardPaths::findExecutable(program).isEmpty()) {
        m_notReady = program + QStringLiteral(" is not installed");
        return false;
    }
    process.setProcessEnvironment(environment);
    // Desktops talk a lot at start; whether they came up is told by notReady().
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    process.start(program, arguments);
    if (!process.waitForStarted(10000)) {
        m_notReady = program + QStringLiteral(" does not start: ") + process.errorString();
        return false;
    }
    return true;
}

void RealDesktop::end(QProcess& process)
{
    if (process.state() == QProcess::NotRunning)
        return;
    process.terminate();
    if (!process.waitForFinished(10000))
        process.kill();
    process.waitForFinished(5000);
}

LxqtDesktop::LxqtDesktop(QString display, const QString& home)
    : m_display(std::move(display))
    , m_bus(QProcessEnvironment())
{
    if (m_display.isEmpty() || m_bus.address().isEmpty()) {
        m_notReady = QStringLiteral("no X server or no session bus");
        return;
    }
    if (!start(m_desktop, QStringLiteral("pcmanfm-qt"), {QStringLiteral("--desktop")},
               X11Session(m_display, home, m_bus.address())))
        return;
    const bool ready = PollUntil(
        [this] {
            return m_desktop.state() == QProcess::Running &&
                   HasBusName(m_bus.address(), QStringLiteral("org.pcmanfm.PCManFM")) &&
                   HasVisibleWindow(m_display, {QStringLiteral("--class"), QStringLiteral("^pcmanfm-qt$")});
        },
        StartMs);
    if (!ready)
        m_notReady = QStringLiteral("pcmanfm-qt --desktop shows no desktop window");
}

LxqtDesktop::~LxqtDesktop()
{
    end(m_desktop);
}

SessionVariables LxqtDesktop::session() const
{
    return {{QStringLiteral("XDG_CURRENT_DESKTOP"), QStringLiteral("LXQt")},
            {QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), m_bus.address()}};
}

QImage LxqtDesktop::screenshot() const
{
    return RootWindow(m_display);
}

XfceDesktop::XfceDesktop(QString display, const QString& home)
    : m_display(std::move(display))
{
    QProcessEnvironment services;
    services.insert(QStringLiteral("XDG_CONFIG_HOME"), home + QStringLiteral(".config"));
    services.insert(QStringLiteral("HOME"), home);
    m_bus = std::make_unique<PrivateSessionBus>(services);
    if (m_display.isEmpty() || m_bus->address().isEmpty()) {
        m_notReady = QStringLiteral("no X server or no session bus");
        return;
    }
    // xfdesktop maps its desktop window only beside a window manager.
    const QProcessEnvironment session = X11Session(m_display, home, m_bus->address());
    // Its icons would cover parts of the wallpaper.
    QProcess noIcons;
    noIcons.setProcessEnvironment(session);
    noIcons.start(QStringLiteral("xfconf-query"),
                  {QStringLiteral("-c"), QStringLiteral("xfce4-desktop"), QStringLiteral("-p"),
                   QStringLiteral("/desktop-icons/style"), QStringLiteral("-n"), QStringLiteral("-t"),
                   QStringLiteral("int"), QStringLiteral("-s"), QStringLiteral("0")});
    if (!noIcons.waitForFinished(30000) || noIcons.exitCode() != 0) {
        m_notReady = QStringLiteral("xfconfd does not answer");
        return;
    }
    if (!start(m_windowManager, QStringLiteral("openbox"), {QStringLiteral("--sm-disable")}, session))
        return;
    if (!WindowManagerAnswers(m_display, StartMs)) {
        m_notReady = QStringLiteral("openbox does not answer");
        return;
    }
    if (!start(m_desktop, QStringLiteral("xfdesktop"), {}, session))
        return;
    const bool ready = PollUntil(
        [this] {
            return m_desktop.state() == QProcess::Running &&
                   HasBusName(m_bus->address(), QStringLiteral("org.xfce.xfdesktop")) &&
                   HasVisibleWindow(m_display,
                                    {QStringLiteral("--classname"), QStringLiteral("^xfdesktop$")});
        },
        StartMs);
    if (!ready)
        m_notReady = QStringLiteral("xfdesktop shows no desktop window");
}

XfceDesktop::~XfceDesktop()
{
    end(m_desktop);
    end(m_windowManager);
}

SessionVariables XfceDesktop::session() const
{
    return {{QStringLiteral("XDG_CURRENT_DESKTOP"), QStringLiteral("XFCE")},
            {QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), m_bus->address()}};
}

QImage XfceDesktop::screenshot() const
{
    return RootWindow(m_display);
}

SwayDesktop::SwayDesktop(int width, int height)
{
    if (!DesktopUserIds(&m_uid, &m_gid, &m_notReady))
        return;
    const QString config = m_runtime.file(QStringLiteral("config"));
    WriteBytes(config,
               QStringLiteral("output HEADLESS-1 resolution %1x%2\n").arg(width).arg(height).toUtf8());
    for (const QString& path : {m_runtime.path(), config})
        if (::chown(QFile::encodeName(path).constData(), m_uid, m_gid) != 0) {
            m_notReady = QStringLiteral("cannot hand the runtime folder to the desktop's user");
            return;
        }
    QProcessEnvironment environment;
    environment.insert(QStringLiteral("PATH"), qEnvironmentVariable("PATH"));
    environment.insert(QStringLiteral("HOME"), m_runtime.path());
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_runtime.path());
    environment.insert(QStringLiteral("WLR_BACKENDS"), QStringLiteral("headless"));
    environment.insert(QStringLiteral("WLR_RENDERER"), QStringLiteral("pixman"));
    environment.insert(QStringLiteral("WLR_LIBINPUT_NO_DEVICES"), QStringLiteral("1"));
    runAsDesktopUser(m_sway);
    if (!start(m_sway, QStringLiteral("sway"), {QStringLiteral("-c"), config}, environment))
        return;
    // sway makes its IPC socket once its outputs are up, and answers on it when it is ready.
    const bool ready = PollUntil(
        [this] {
            if (m_sway.state() != QProcess::Running)
                return false;
            const QDir runtime(m_runtime.path());
            const QStringList sockets = runtime.entryList({QStringLiteral("sway-ipc.*.sock")}, QDir::System);
            const QStringList displays = runtime.entryList({QStringLiteral("wayland-?")}, QDir::System);
            if (sockets.isEmpty() || displays.isEmpty())
                return false;
            m_socket = m_runtime.file(sockets.front());
            m_waylandDisplay = displays.front();
            QProcess swaymsg;
            runAsDesktopUser(swaymsg);
            swaymsg.start(QStringLiteral("swaymsg"), {QStringLiteral("-s"), m_socket, QStringLiteral("-t"),
                                                      QStringLiteral("get_outputs")});
            return swaymsg.waitForFinished(20000) && swaymsg.exitCode() == 0 &&
                   swaymsg.readAllStandardOutput().contains("HEADLESS-1");
        },
        StartMs);
    if (!ready)
        m_notReady = m_sway.state() == QProcess::Running ? QStringLiteral("sway shows no output")
                                                         : QStringLiteral("sway ended at start");
}

SwayDesktop::~SwayDesktop()
{
    end(m_sway);
}

void SwayDesktop::runAsDesktopUser(QProcess& process) const
{
    if (::geteuid() != 0)
        return;
    const uid_t uid = m_uid;
    const gid_t gid = m_gid;
    process.setChildProcessModifier([uid, gid] {
        if (::setgroups(0, nullptr) != 0 || ::setgid(gid) != 0 || ::setuid(uid) != 0)
            ::_exit(127);
    });
}

SessionVariables SwayDesktop::session() const
{
    // No X server and no Wayland platform plugin for Qt: the program draws offscreen.
    return {{QStringLiteral("XDG_CURRENT_DESKTOP"), QStringLiteral("sway")},
            {QStringLiteral("SWAYSOCK"), m_socket},
            {QStringLiteral("WAYLAND_DISPLAY"), m_waylandDisplay},
            {QStringLiteral("XDG_RUNTIME_DIR"), m_runtime.path()},
            {QStringLiteral("DISPLAY"), QString()},
            {QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen")}};
}

QImage SwayDesktop::screenshot() const
{
    QProcess grim;
    runAsDesktopUser(grim);
    QProcessEnvironment environment;
    environment.insert(QStringLiteral("PATH"), qEnvironmentVariable("PATH"));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_runtime.path());
    environment.insert(QStringLiteral("WAYLAND_DISPLAY"), m_waylandDisplay);
    grim.setProcessEnvironment(environment);
    grim.start(QStringLiteral("grim"), {QStringLiteral("-")});
    return ReadPng(grim);
}

} // namespace velmora::test
