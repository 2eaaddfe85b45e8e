#pragma once
// The parts of a desktop the tray tests need on a private X server: a window manager (openbox),
// a notification area (trayer, an XEmbed system tray) and xdotool/xprop to look and click.
#include <QProcess>
#include <QString>
#include <QStringList>

#include <functional>

namespace velmora::test {

class X11Desktop {
public:
    explicit X11Desktop(QString display);
    ~X11Desktop();
    X11Desktop(const X11Desktop&) = delete;
    X11Desktop& operator=(const X11Desktop&) = delete;

    // Start openbox; true once it answers requests.
    bool startWindowManager();
    // Start trayer; true once its window is there.
    bool startTray();
    void stopTray();

    // Runs an X tool against the display; its standard output.
    QString tool(const QString& program, const QStringList& arguments) const;

    // Viewable windows titled "Velmora" (the main window; the tray icon has no WM_NAME).
    QStringList visibleMainWindows() const;
    // Any window titled "Velmora", mapped or not.
    QStringList mainWindows() const;
    // The program's icon embedded in the tray; empty while there is none.
    QString trayIcon() const;
    // The window manager's view of a window: "Normal", "Iconic", or empty when it has none (withdrawn).
    QString windowState(const QString& window) const;

    // The window with the keyboard focus, as the window manager says.
    QString activeWindow() const;

    // Presses and releases a mouse button over the middle of a window, then moves the pointer off.
    void click(const QString& window, int button);

private:
    QProcessEnvironment environment() const;

    QString m_display;
    int m_clicks = 0;
    QProcess m_windowManager;
    QProcess m_tray;
};

// Polls until done() holds, at most timeoutMs; true when it did.
bool PollUntil(const std::function<bool()>& done, int timeoutMs = 20000);

} // namespace velmora::test
