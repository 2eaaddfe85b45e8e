#pragma once
// A portable copy of the program in a temporary folder, run against a private X server with no
// desktop session, so that the wallpaper lands on the root window.
#include "tests/support/DesktopTestSupport.h"

#include <QImage>
#include <QPair>
#include <QPoint>
#include <QProcess>
#include <QRect>

#include <optional>

namespace velmora::test {

class ProgramRun {
public:
    ProgramRun();
    ~ProgramRun();
    ProgramRun(const ProgramRun&) = delete;
    ProgramRun& operator=(const ProgramRun&) = delete;

    const TempFolder& program() const { return m_program; }
    // The home folder of the run; its Pictures folder is the default list's source.
    QString home() const { return m_home.path(); }
    QString display() const { return m_x.display(); }

    // Variables of a real desktop's session, set over the run's own; an empty value removes one.
    void setSessionEnvironment(const QList<QPair<QString, QString>>& variables) { m_session = variables; }
    // Runs the program as another user (the one a desktop runs as), who gets the run's folders.
    void runAsUser(uint uid, uint gid);

    void writeSettings(const QByteArray& lines) const;
    // A picture file of the run's own, returned as its full path.
    QString picture(const QString& name, const QImage& image) const;

    // Keeps what the next runs write on standard error for errors() instead of passing it through.
    void captureErrors() { m_captureErrors = true; }
    QByteArray errors() { return m_process.readAllStandardError(); }

    // Runs to the end (at most 60 s); returns the exit code, -1 when it did not finish.
    int run(const QStringList& arguments);
    // Starts without waiting; stop() ends it with SIGTERM and waits.
    void start(const QStringList& arguments);
    int stop();
    // Waits for the program to end by itself (at most timeoutMs); its exit code, -1 when it did not.
    int wait(int timeoutMs);
    // Sends the signal without waiting.
    void signal(int number);
    // Waits for the end of a run killed or signalled before; false when it did not end in time.
    bool waitForEnd(int milliseconds = 20000);
    bool running() const { return m_process.state() != QProcess::NotRunning; }

    QByteArray settingsFile() const;
    // A settings value as written, e.g. " 1" for "FileIndex2".
    QString setting(const QString& key) const;
    // The root window as it is shown now.
    QImage rootWindow() const;
    // A RandR monitor on the run's server ("xrandr --setmonitor"; output "none" for none), or its
    // removal; false when xrandr refused.
    bool setMonitor(const QString& name, QRect geometry,
                    const QString& output = QStringLiteral("none")) const;
    bool deleteMonitor(const QString& name) const;

    // openbox on the display, so that a new window gets the keyboard as on a desktop; true once it
    // answers requests. startWindowManagerNow() does not wait: a login starts it with the program.
    bool startWindowManager();
    void startWindowManagerNow();
    // A window manager that leaves each window's first map request unanswered (ForgetfulWindowManager.cpp).
    void startForgetfulWindowManager();

    // The main window once it is on the screen (viewable), or nothing after timeoutMs.
    std::optional<QString> waitForMainWindow(int timeoutMs = 30000) const;
    // A visible window of the program other than the main window (a menu or a dialog), or nothing
    // after timeoutMs.
    std::optional<QString> waitForOtherWindow(const QString& mainWindow, int timeoutMs = 10000) const;
    // Asks the window manager to close the window, as its close button does, until the program has
    // ended; false when it still runs after 20 s.
    bool closeWithWindowManager(const QString& window);
    // Where the window manager put a window's frame (title bar included): the client's corner less
    // the frame's extents; nothing while the window has no frame yet.
    std::optional<QPoint> frameCorner(const QString& window) const;
    // How far the frame reaches above the client area (the title bar); 0 without a frame.
    int frameTop(const QString& window) const;
    // Visible windows, for failure messages: their ids and names.
    QString visibleWindows() const;
    // xdotool on the run's display: its output, or nothing when it failed or took over 20 s.
    std::optional<QString> xdotool(const QStringList& arguments) const;

private:
    QProcessEnvironment environment() const;
    // An X tool on the run's display: its output, or nothing when it failed or took over 20 s.
    std::optional<QString> tool(const QString& program, const QStringList& arguments) const;

    TempFolder m_program;
    TempFolder m_home;
    PrivateXServer m_x{640, 400};
    QProcess m_process;
    QProcess m_windowManager;
    QList<QPair<QString, QString>> m_session;
    std::optional<QPair<uint, uint>> m_user;
    bool m_captureErrors = false;
};

} // namespace velmora::test
