#include "tests/e2e/X11Desktop.h"

#include "tests/e2e/WindowManagerProbe.h"

#include <QElapsedTimer>
#include <QRegularExpression>
#include <QThread>

namespace velmora::test {
namespace {

void Stop(QProcess& process)
{
    if (process.state() == QProcess::NotRunning)
        return;
    process.terminate();
    if (!process.waitForFinished(5000)) {
        process.kill();
        process.waitForFinished(2000);
    }
}

} // namespace

bool PollUntil(const std::function<bool()>& done, int timeoutMs)
{
    QElapsedTimer waited;
    waited.start();
    while (!done()) {
        if (waited.elapsed() > timeoutMs)
            return false;
        QThread::msleep(100);
    }
    return true;
}

X11Desktop::X11Desktop(QString display)
    : m_display(std::move(display))
{
    for (QProcess* process : {&m_windowManager, &m_tray}) {
        process->setProcessEnvironment(environment());
        process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process->setStandardOutputFile(QProcess::nullDevice());
    }
}

X11Desktop::~X11Desktop()
{
    Stop(m_tray);
    Stop(m_windowManager);
}

QProcessEnvironment X11Desktop::environment() const
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), m_display);
    // GTK's accessibility bridge would look for a session bus the tests do not have.
    env.insert(QStringLiteral("NO_AT_BRIDGE"), QStringLiteral("1"));
    env.remove(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"));
    return env;
}

QString X11Desktop::tool(const QString& program, const QStringList& arguments) const
{
    QProcess process;
    process.setProcessEnvironment(environment());
    process.start(program, arguments);
    process.waitForFinished(20000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

bool X11Desktop::startWindowManager()
{
    m_windowManager.start(QStringLiteral("openbox"), {QStringLiteral("--sm-disable")});
    return m_windowManager.waitForStarted(10000) && WindowManagerAnswers(m_display);
}

bool X11Desktop::startTray()
{
    m_tray.start(QStringLiteral("trayer"),
                 {QStringLiteral("--edge"), QStringLiteral("top"), QStringLiteral("--align"), QStringLiteral("right"),
                  QStringLiteral("--widthtype"), QStringLiteral("pixel"), QStringLiteral("--width"),
                  QStringLiteral("120"), QStringLiteral("--height"), QStringLiteral("24")});
    if (!m_tray.waitForStarted(10000))
        return false;
    // The tray owns the system tray selection once it is ready to take icons.
    return PollUntil([this] {
        return !tool(QStringLiteral("xdotool"), {QStringLiteral("search"), QStringLiteral("--class"), QStringLiteral("trayer")})
                    .trimmed()
                    .isEmpty();
    });
}

void X11Desktop::stopTray()
{
    Stop(m_tray);
}

QStringList X11Desktop::visibleMainWindows() const
{
    return tool(QStringLiteral("xdotool"),
                {QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--name"), QStringLiteral("^Velmora$")})
        .split(u'\n', Qt::SkipEmptyParts);
}

QStringList X11Desktop::mainWindows() const
{
    return tool(QStringLiteral("xdotool"), {QStringLiteral("search"), QStringLiteral("--name"), QStringLiteral("^Velmora$")})
        .split(u'\n', Qt::SkipEmptyParts);
}

QString X11Desktop::trayIcon() const
{
    // The icon is the window of ours that sits inside the tray's window tree.
    QString trayTree;
    for (const QString& tray : tool(QStringLiteral("xdotool"), {QStringLiteral("search"), QStringLiteral("--class"),
                                                                 QStringLiteral("trayer")})
                                   .split(u'\n', Qt::SkipEmptyParts))
        trayTree += tool(QStringLiteral("xwininfo"), {QStringLiteral("-tree"), QStringLiteral("-id"), tray});
    const QStringList windows = tool(QStringLiteral("xdotool"), {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                                                  QStringLiteral("--classname"), QStringLiteral("velmora")})
                                    .split(u'\n', Qt::SkipEmptyParts);
    for (const QString& window : windows)
        if (trayTree.contains(QStringLiteral("0x") + QString::number(window.toULongLong(), 16) + u' '))
            return window;
    return {};
}

QString X11Desktop::windowState(const QString& window) const
{
    const QString text = tool(QStringLiteral("xprop"), {QStringLiteral("-id"), window, QStringLiteral("WM_STATE")});
    const QRegularExpressionMatch match = QRegularExpression(QStringLiteral("window state: (\\w+)")).match(text);
    return match.hasMatch() ? match.captured(1) : QString();
}

QString X11Desktop::activeWindow() const
{
    return tool(QStringLiteral("xdotool"), {QStringLiteral("getactivewindow")}).trimmed();
}

void X11Desktop::click(const QString& window, int button)
{
    const QString geometry = tool(QStringLiteral("xdotool"), {QStringLiteral("getwindowgeometry"), window});
    const QRegularExpressionMatch size = QRegularExpression(QStringLiteral("Geometry: (\\d+)x(\\d+)")).match(geometry);
    const int width = size.hasMatch() ? size.captured(1).toInt() : 8;
    const int height = size.hasMatch() ? size.captured(2).toInt() : 8;
    // Every other click lands on the other side of the window: two clicks close together in time
    // and place would be one double click, whose second press the toolkit does not pass on.
    const int x = (m_clicks % 2 == 0 ? width / 4 : width * 3 / 4);
    const int y = (m_clicks % 2 == 0 ? height / 4 : height * 3 / 4);
    ++m_clicks;
    // In, click and out again at once: a pointer resting on the icon would raise its tooltip, which
    // may come up under the pointer and take the next click.
    tool(QStringLiteral("xdotool"), {QStringLiteral("mousemove"), QStringLiteral("--window"), window, QString::number(x),
                                     QString::number(y), QStringLiteral("click"), QString::number(button),
                                     QStringLiteral("mousemove"), QStringLiteral("0"), QStringLiteral("0")});
}

} // namespace velmora::test
