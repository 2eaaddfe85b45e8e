// The notification-area icon with a real X11 tray (trayer) and window manager (openbox): "-ng"
// lives in the tray, the icon brings the window back, minimising hides it, the tray menu exits; and
// without any tray the window stays reachable.
#include "tests/e2e/ProgramRun.h"
#include "tests/e2e/X11Desktop.h"

#include <gtest/gtest.h>

using namespace velmora::test;

TEST(TrayIcon, NgLivesInTheTrayAndTheIconBringsTheWindowBack)
{
    ProgramRun velmora;
    // A window below the tray, which sits in the top right corner of the 640 x 400 screen.
    velmora.writeSettings("MainTop= 900\r\nMainLeft= 0\r\nMainWidth= 6750\r\nMainHeight= 4500\r\n");
    X11Desktop desktop(velmora.display());
    ASSERT_TRUE(desktop.startWindowManager());
    ASSERT_TRUE(desktop.startTray());

    velmora.start({QStringLiteral("-ng")});
    ASSERT_TRUE(PollUntil([&] { return !desktop.trayIcon().isEmpty(); })) << "no icon in the tray";
    EXPECT_TRUE(desktop.visibleMainWindows().isEmpty()) << "-ng shows no window";

    desktop.click(desktop.trayIcon(), 1);
    ASSERT_TRUE(PollUntil([&] { return desktop.visibleMainWindows().size() == 1; })) << "a left click restores";
    const QString window = desktop.visibleMainWindows().value(0);
    EXPECT_EQ(desktop.windowState(window), QStringLiteral("Normal"));

    // Minimised, the window goes to the tray: withdrawn, not iconified on a task bar.
    desktop.tool(QStringLiteral("xdotool"), {QStringLiteral("windowminimize"), window});
    ASSERT_TRUE(PollUntil([&] { return desktop.visibleMainWindows().isEmpty(); }));
    EXPECT_TRUE(PollUntil([&] { return desktop.windowState(window).isEmpty(); }))
        << desktop.windowState(window).toStdString();
    desktop.click(desktop.trayIcon(), 1);
    ASSERT_TRUE(PollUntil([&] { return desktop.visibleMainWindows().size() == 1; }));
    // The restored window takes the focus (a menu opened before that would close with it).
    EXPECT_TRUE(PollUntil([&] { return desktop.activeWindow() == window; }));

    // A right click opens TrayMenu; its second item, "終了", ends the program like any exit.
    desktop.click(desktop.trayIcon(), 3);
    ASSERT_TRUE(PollUntil([&] {
        return desktop.tool(QStringLiteral("xdotool"), {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                                         QStringLiteral("--classname"), QStringLiteral("velmora")})
                   .split(u'\n', Qt::SkipEmptyParts)
                   .size() >= 3;
    })) << "icon, window and the menu";
    desktop.tool(QStringLiteral("xdotool"), {QStringLiteral("key"), QStringLiteral("Down"), QStringLiteral("Down"),
                                             QStringLiteral("Return")});
    EXPECT_EQ(velmora.wait(20000), 0);
    EXPECT_FALSE(velmora.settingsFile().isEmpty()) << "the exit routine wrote the settings";
}

TEST(TrayIcon, WithoutATrayNgLeavesAMinimisedWindowAndTheIconComesWithTheTray)
{
    ProgramRun velmora;
    X11Desktop desktop(velmora.display());
    ASSERT_TRUE(desktop.startWindowManager());

    velmora.start({QStringLiteral("-ng")});
    ASSERT_TRUE(PollUntil([&] {
        for (const QString& window : desktop.mainWindows())
            if (desktop.windowState(window) == QStringLiteral("Iconic"))
                return true;
        return false;
    })) << "hidden with no tray to come back through, the window would be out of reach; windows: "
        << desktop.mainWindows().join(u' ').toStdString() << ", state of the first: "
        << desktop.windowState(desktop.mainWindows().value(0)).toStdString();

    // A panel started later: the icon appears in it and works.
    ASSERT_TRUE(desktop.startTray());
    ASSERT_TRUE(PollUntil([&] { return !desktop.trayIcon().isEmpty(); }));
    desktop.click(desktop.trayIcon(), 1);
    EXPECT_TRUE(PollUntil([&] { return desktop.visibleMainWindows().size() == 1; }));
    EXPECT_EQ(velmora.stop(), 0);
}
