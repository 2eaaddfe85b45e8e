#include "mainwindow/TrayCommands.h"

#include "mainwindow/CommandRouter.h"
#include "mainwindow/MainTray.h"
#include "mainwindow/MainWindow.h"

namespace velmora {

TrayCommands::TrayCommands(MainWindow& window, MainTray& tray)
    : m_window(window)
    , m_tray(tray)
{
    m_trayWatch.setInterval(2000);
    QObject::connect(&m_trayWatch, &QTimer::timeout, &m_window, [this] {
        if (!m_window.isVisible() && !m_window.exited() && !m_window.trayAvailable())
            m_window.showMinimized();
    });
}

void TrayCommands::wire(CommandRouter& commands)
{
    commands.bind(MainCommand::TraySize, m_tray.mnuTraySize());
    commands.bind(MainCommand::TrayExit, m_tray.mnuTrayExit());
    commands.handle(MainCommand::TraySize, [this] { RestoreFromTray(); });
    commands.handle(MainCommand::TrayExit, [this] { m_window.mnuFileExit_Click(); });
    QObject::connect(&m_tray, &MainTray::restoreRequested, &m_window, [this] { RestoreFromTray(); });
}

void TrayCommands::RestoreFromTray()
{
    m_window.showNormal();
    m_window.raise();
    m_window.activateWindow();
    QWidget* focus = m_window.ActiveDialog();
    if (focus != &m_window) {
        focus->raise();
        focus->activateWindow();
    }
    focus->setFocus(Qt::ActiveWindowFocusReason);
}

void TrayCommands::HideToTray()
{
    m_window.hide();
    m_trayWatch.start();
}

void TrayCommands::minimised()
{
    // Minimised, the window lives on as the notification-area icon; where there is no notification
    // area it stays an ordinary minimised window, which the task bar still reaches.
    if (m_window.trayAvailable())
        QTimer::singleShot(0, &m_window, [this] {
            if (m_window.isMinimized())
                HideToTray();
        });
}

} // namespace velmora
