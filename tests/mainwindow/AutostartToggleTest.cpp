#include "mainwindow/AutostartToggle.h"
#include "core/Prompt.h"
#include "mainwindow/MainMenus.h"
#include "tests/support/TestSupport.h"

#include <QAction>
#include <QFile>
#include <QMenu>
#include <QMenuBar>

#include <gtest/gtest.h>

using namespace velmora;

namespace {

struct ToolMenu {
    QMenuBar bar;
    MainMenus menus{bar};
    QAction& item = *menus.action(MainCommand::ToolAutostart);
    QMenu& menu = *bar.findChild<QMenu*>(QStringLiteral("mnuTool"));
};

} // namespace

TEST(AutostartToggle, TickingWritesTheEntryAndUntickingRemovesIt)
{
    test::TempFolder config;
    const QString entry = config.file(QStringLiteral("autostart/velmora.desktop"));
    ToolMenu tools;
    AutostartToggle toggle(tools.item, entry, QStringLiteral("velmora"));
    EXPECT_TRUE(tools.item.isCheckable());
    EXPECT_FALSE(tools.item.isChecked());
    EXPECT_FALSE(QFile::exists(entry)) << "nothing is written until the user asks";

    tools.item.trigger();
    EXPECT_TRUE(tools.item.isChecked());
    EXPECT_TRUE(test::ReadBytes(entry).contains("\nExec=velmora -ng\n"));

    tools.item.trigger();
    EXPECT_FALSE(tools.item.isChecked());
    EXPECT_FALSE(QFile::exists(entry));
}

TEST(AutostartToggle, TheMarkFollowsTheEntryWheneverTheMenuOpens)
{
    test::TempFolder config;
    const QString entry = config.file(QStringLiteral("velmora.desktop"));
    test::WriteBytes(entry, "[Desktop Entry]\nType=Application\nExec=velmora -ng\n");
    ToolMenu tools;
    AutostartToggle toggle(tools.item, entry, QStringLiteral("velmora"));
    EXPECT_TRUE(tools.item.isChecked()) << "an entry made before start shows at once";

    QFile::remove(entry);
    Q_EMIT tools.menu.aboutToShow();
    EXPECT_FALSE(tools.item.isChecked());

    test::WriteBytes(entry, "[Desktop Entry]\nType=Application\nExec=velmora -ng\n");
    Q_EMIT tools.menu.aboutToShow();
    EXPECT_TRUE(tools.item.isChecked());
}

TEST(AutostartToggle, AFailedWriteIsShownAndTheMarkStaysTrue)
{
    test::TempFolder config;
    test::WriteBytes(config.file(QStringLiteral("autostart")), "a file in the way");
    ToolMenu tools;
    AutostartToggle toggle(tools.item, config.file(QStringLiteral("autostart/velmora.desktop")),
                           QStringLiteral("velmora"));
    ScriptedPrompter prompter;
    PrompterScope scope(prompter);

    tools.item.trigger();
    EXPECT_FALSE(tools.item.isChecked());
    ASSERT_EQ(prompter.count(), 1);
    EXPECT_EQ(prompter.requests()[0].kind, PromptKind::Warning);
    EXPECT_TRUE(prompter.requests()[0].text.startsWith(
        QStringLiteral("ログイン時に起動する設定を変更できませんでした。\n")));
    EXPECT_TRUE(prompter.requests()[0].text.contains(config.file(QStringLiteral("autostart"))));
}
