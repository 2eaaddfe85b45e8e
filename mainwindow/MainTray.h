#pragma once
// The notification-area icon (tip "Velmora") and its menu TrayMenu. A left click asks for the
// window back; a right click opens TrayMenu, both over the XEmbed trays of X11 panels and over
// StatusNotifierItem hosts.
#include <QObject>

class QAction;
class QIcon;
class QMenu;
class QSystemTrayIcon;

namespace velmora {

class MainTray : public QObject {
    Q_OBJECT
public:
    explicit MainTray(const QIcon& icon, QObject* parent = nullptr);
    ~MainTray() override;

    // Shows the icon. Where no tray runs yet it appears as soon as one starts (a panel restarted).
    void AddTrayIcon();
    void RemoveTrayIcon();

    // Whether the session has a notification area now: without one a hidden window is out of reach.
    static bool available();

    QSystemTrayIcon* icon() const { return m_icon; }
    QMenu* TrayMenu() const { return m_menu; }
    QAction* mnuTraySize() const { return m_size; }
    QAction* mnuTrayExit() const { return m_exit; }

    // Sets the menu's captions again in the current language.
    void retranslate();

Q_SIGNALS:
    // The left button was pressed on the icon.
    void restoreRequested();

private:
    QMenu* m_menu;
    QAction* m_size;
    QAction* m_exit;
    QSystemTrayIcon* m_icon;
};

} // namespace velmora
