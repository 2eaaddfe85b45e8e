// The main window's commands from every control that offers them, the tray icon and its menu,
// minimising with and without a notification area, ActiveDialog, EnableOff/EnableOn and Esc.
#include "tests/mainwindow/MainWindowRig.h"

#include "dialogs/AboutDialog.h"
#include "mainwindow/CommandRouter.h"
#include "mainwindow/MainMenus.h"
#include "mainwindow/MainToolbar.h"
#include "mainwindow/MainTray.h"
#include "mainwindow/folder/FolderPage.h"
#include "mainwindow/lists/ListPage.h"

#include <QAction>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QSystemTrayIcon>
#include <QTest>
#include <QTimer>
#include <QToolButton>

using namespace velmora;
using namespace velmora::test;

TEST(MainWindowCommands, EveryCommandIsReachableAndTheViewButtonsFollowTheMenu)
{
    Rig rig({}, "TimerOnMode= 0\r\n");
    MainWindow& window = *rig.window;
    EXPECT_TRUE(window.toolbar().button(QStringLiteral("btnOption"))->isEnabled());
    EXPECT_TRUE(window.toolbar().button(QStringLiteral("btnThumbnail"))->isEnabled());
    EXPECT_TRUE(window.folderPage().cmdSearch()->isEnabled());
    EXPECT_TRUE(window.listPage().cmdAutoPilot()->isEnabled());

    for (int index = 0; index < MainCommandCount; ++index) {
        const auto command = static_cast<MainCommand>(index);
        QAction* item = window.menus().action(command);
        if (item) {
            EXPECT_TRUE(item->isEnabled()) << item->objectName().toStdString();
        }
    }
    for (const char* key : {"btnExit", "btnLargeIcon", "btnSmallIcon", "btnList", "btnDetail", "btnDirimage"})
        EXPECT_TRUE(window.toolbar().button(QString::fromLatin1(key))->isEnabled()) << key;

    // A toolbar view button and the menu item of the same mode press each other.
    window.toolbar().button(QStringLiteral("btnList"))->trigger();
    EXPECT_EQ(rig.settings.ListViewMode, 2);
    EXPECT_TRUE(window.menus().action(MainCommand::ViewListviewMode2)->isChecked());
    window.menus().action(MainCommand::ViewListviewMode0)->trigger();
    EXPECT_EQ(window.toolbar().pressedViewButton(), 0);
}

TEST(MainWindowCommands, EveryWayOutIsTheOneExitRoutine)
{
    for (const char* way : {"btnExit", "mnuTrayExit", "Esc"}) {
        Rig rig({}, "MainTop= 0\r\n");
        QSignalSpy done(rig.window.get(), &MainWindow::exitRoutineDone);
        rig.settings.ChangeTimer = 77;
        if (QString::fromLatin1(way) == u"Esc") {
            rig.window->show();
            QTest::keyClick(rig.window.get(), Qt::Key_Escape);
        } else if (QString::fromLatin1(way) == u"btnExit") {
            rig.window->toolbar().button(QStringLiteral("btnExit"))->trigger();
        } else {
            rig.window->tray().mnuTrayExit()->trigger();
        }
        EXPECT_EQ(done.count(), 1) << way;
        EXPECT_TRUE(ReadBytes(rig.program.file(QStringLiteral("Velmora.INI"))).contains("\r\nChangeTimer= 77\r\n"))
            << way;
        EXPECT_FALSE(rig.window->tray().icon()->isVisible()) << "the icon goes last";
    }
}

TEST(MainWindowCommands, TheIconBringsAHiddenWindowBackAndRightClicksLeaveItAlone)
{
    Rig rig({}, "");
    MainWindow& window = *rig.window;
    QSystemTrayIcon* icon = window.tray().icon();
    EXPECT_EQ(icon->toolTip(), QStringLiteral("Velmora"));
    EXPECT_EQ(icon->contextMenu(), window.tray().TrayMenu());
    ASSERT_FALSE(window.isVisible());

    Q_EMIT icon->activated(QSystemTrayIcon::Context);
    Q_EMIT icon->activated(QSystemTrayIcon::DoubleClick);
    EXPECT_FALSE(window.isVisible()) << "only the left button restores";
    Q_EMIT icon->activated(QSystemTrayIcon::Trigger);
    EXPECT_TRUE(window.isVisible());
    EXPECT_FALSE(window.isMinimized());

    window.hide();
    window.tray().mnuTraySize()->trigger();
    EXPECT_TRUE(window.isVisible());

    const QList<QAction*> items = window.tray().TrayMenu()->actions();
    ASSERT_EQ(items.size(), 2);
    EXPECT_EQ(items[0]->text(), QStringLiteral("元の大きさに戻す"));
    EXPECT_EQ(items[1]->text(), QStringLiteral("終了"));
}

TEST(MainWindowCommands, MinimisingHidesOnlyWhenThereIsANotificationArea)
{
    Rig rig({}, "");
    MainWindow& window = *rig.window;
    window.setTrayCheck([] { return false; });
    window.show();
    window.setWindowState(Qt::WindowMinimized);
    QCoreApplication::processEvents();
    EXPECT_TRUE(window.isVisible()) << "without a tray it stays an ordinary minimised window";

    window.showNormal();
    window.setTrayCheck([] { return true; });
    window.setWindowState(Qt::WindowMinimized);
    EXPECT_TRUE(WaitUntil([&] { return !window.isVisible(); }));
    window.RestoreFromTray();
    EXPECT_TRUE(window.isVisible());
    EXPECT_FALSE(window.isMinimized());

    // The tray goes away while the window is hidden in it: the window comes back minimised.
    window.HideToTray();
    window.setTrayCheck([] { return false; });
    EXPECT_TRUE(WaitUntil([&] { return window.isVisible(); }));
    EXPECT_TRUE(window.isMinimized());
}

TEST(MainWindowCommands, TheAboutBoxIsActiveDialogWhileItIsShown)
{
    Rig rig({}, "");
    MainWindow& window = *rig.window;
    window.show();
    EXPECT_EQ(window.ActiveDialog(), &window);
    bool aboutWasActive = false;
    QTimer::singleShot(0, [&] {
        auto* about = qobject_cast<AboutDialog*>(window.ActiveDialog());
        aboutWasActive = about && about->isVisible();
        if (about)
            about->cmdOk()->click();
    });
    window.commands().run(MainCommand::HelpAbout);
    EXPECT_TRUE(aboutWasActive);
    EXPECT_EQ(window.ActiveDialog(), &window) << "back to the main window when it closes";
}

TEST(MainWindowCommands, OptionsClosingArmsTheTimerAndSwitchesTheAboutBox)
{
    Rig rig({}, "TimerOnMode= 0\r\n");
    MainWindow& window = *rig.window;
    QSignalSpy effectEdit(&window, &MainWindow::effectEditEnabledChanged);
    rig.settings.TimerOnMode = 1;
    window.OptionsClosed();
    EXPECT_TRUE(window.Timer1().isActive());
    EXPECT_FALSE(window.menus().action(MainCommand::HelpAbout)->isEnabled());
    EXPECT_FALSE(window.commands().run(MainCommand::HelpAbout));
    EXPECT_FALSE(window.effectEditEnabled());

    rig.settings.TimerOnMode = 0;
    window.OptionsClosed();
    EXPECT_FALSE(window.Timer1().isActive());
    EXPECT_TRUE(window.menus().action(MainCommand::HelpAbout)->isEnabled());
    EXPECT_TRUE(window.effectEditEnabled());
    ASSERT_EQ(effectEdit.count(), 2);
    EXPECT_FALSE(effectEdit[0][0].toBool());
    EXPECT_TRUE(effectEdit[1][0].toBool());
}
