#pragma once
// The notification area's part of the window: the tray menu's commands, the icon's click, hiding
// there when minimised, and coming back. Should the notification area go away while the window is
// hidden, the window comes back minimised, since the icon was the only way back.
#include <QTimer>

namespace velmora {

class CommandRouter;
class MainTray;
class MainWindow;

class TrayCommands {
public:
    TrayCommands(MainWindow& window, MainTray& tray);

    void wire(CommandRouter& commands);

    // Back from the notification area: the normal state, shown, the focus in ActiveDialog.
    void RestoreFromTray();
    // Hides the window; the notification-area icon is the way back.
    void HideToTray();
    // The window was minimised: where there is a notification area it goes there.
    void minimised();
    // The window is shown again, or the program ends: the tray needs no more watching.
    void stopWatch() { m_trayWatch.stop(); }

private:
    MainWindow& m_window;
    MainTray& m_tray;
    QTimer m_trayWatch;
};

} // namespace velmora
