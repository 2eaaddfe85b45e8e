#include "mainwindow/MainTray.h"

#include <QAction>
#include <QMenu>
#include <QSystemTrayIcon>

namespace velmora {

MainTray::MainTray(const QIcon& icon, QObject* parent)
    : QObject(parent)
    , m_menu(new QMenu)
    , m_icon(new QSystemTrayIcon(icon, this))
{
    m_menu->setObjectName(QStringLiteral("TrayMenu"));
    m_menu->setTitle(QStringLiteral("TrayMenu"));
    m_size = m_menu->addAction(QString());
    m_size->setObjectName(QStringLiteral("mnuTraySize"));
    m_exit = m_menu->addAction(QString());
    m_exit->setObjectName(QStringLiteral("mnuTrayExit"));
    retranslate();
    m_icon->setToolTip(QStringLiteral("Velmora"));
    // The icon opens the menu on a right click itself, on XEmbed trays and StatusNotifierItem hosts.
    m_icon->setContextMenu(m_menu);
    connect(m_icon, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        if (reason == QSystemTrayIcon::Trigger)
            Q_EMIT restoreRequested();
    });
}

void MainTray::retranslate()
{
    m_size->setText(tr("元の大きさに戻す"));
    m_exit->setText(tr("終了"));
}

MainTray::~MainTray()
{
    // The icon first: it still points at its menu.
    delete m_icon;
    delete m_menu;
}

void MainTray::AddTrayIcon()
{
    // Shown even without a tray: Qt then puts the icon in as soon as a tray appears.
    m_icon->show();
}

void MainTray::RemoveTrayIcon()
{
    m_icon->hide();
}

bool MainTray::available()
{
    return QSystemTrayIcon::isSystemTrayAvailable();
}

} // namespace velmora
