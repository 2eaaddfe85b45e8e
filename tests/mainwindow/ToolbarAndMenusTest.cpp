// The toolbar's buttons and tips, the menu tree's captions, the start-up's choice between hidden
// and minimised, and the command router.
#include "mainwindow/CommandRouter.h"
#include "mainwindow/MainMenus.h"
#include "mainwindow/MainToolbar.h"
#include "mainwindow/TrayPolicy.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QToolButton>

#include <gtest/gtest.h>

using namespace velmora;

TEST(Toolbar, ButtonsTipsAndTheProgressBarsPlaceInOrder)
{
    const QStringList keys = {"btnExit",     "btnLargeIcon", "btnSmallIcon", "btnList",    "btnDetail",
                              "btnDirimage", "btnOption",    "btnThumbnail", "phPbGeneral"};
    const QStringList tips = {"プログラムを終了",       "大きいアイコン表示",
                              "小さいアイコン表示",     "一覧表示",
                              "詳細表示",               "フォルダツリーのイメージを切り換え",
                              "オプション画面を表示",   "サムネイル画面を表示",
                              ""};
    ASSERT_EQ(ToolbarButtons().size(), size_t(keys.size()));
    MainToolbar toolbar;
    EXPECT_EQ(toolbar.objectName(), QStringLiteral("tlbCommon"));
    for (int index = 0; index < keys.size(); ++index) {
        EXPECT_EQ(QString::fromUtf16(ToolbarButtons()[index].key), keys[index]);
        QAction* button = toolbar.button(keys[index]);
        ASSERT_NE(button, nullptr) << keys[index].toStdString();
        if (index < 8) {
            EXPECT_EQ(button->toolTip(), tips[index]);
            EXPECT_FALSE(button->icon().isNull()) << "our own picture for " << keys[index].toStdString();
        }
    }
    // The progress bar sits in the placeholder, hidden until there is work to show.
    QProgressBar* progress = toolbar.pbGeneral();
    EXPECT_EQ(progress->objectName(), QStringLiteral("pbGeneral"));
    EXPECT_EQ(progress->parentWidget()->objectName(), QStringLiteral("phPbGeneral"));
    EXPECT_TRUE(progress->isHidden());
}

TEST(Toolbar, KeysDispatchInTableOrderAndThePlaceholderDoesNothing)
{
    EXPECT_EQ(ToolbarCommand(QStringLiteral("btnExit")), MainCommand::FileExit);
    EXPECT_EQ(ToolbarCommand(QStringLiteral("btnDetail")), MainCommand::ViewListviewMode3);
    EXPECT_EQ(ToolbarCommand(QStringLiteral("btnDirimage")), MainCommand::ViewDirimage);
    EXPECT_EQ(ToolbarCommand(QStringLiteral("btnOption")), MainCommand::Option);
    EXPECT_EQ(ToolbarCommand(QStringLiteral("btnThumbnail")), MainCommand::Thumbnail);
    EXPECT_EQ(ToolbarCommand(QStringLiteral("phPbGeneral")), std::nullopt);
    EXPECT_EQ(ToolbarCommand(QStringLiteral("btnexit")), std::nullopt) << "keys compare exactly";
}

TEST(Toolbar, TheViewButtonsAreOneGroupWithOnePressed)
{
    MainToolbar toolbar;
    toolbar.pressViewButton(3);
    EXPECT_EQ(toolbar.pressedViewButton(), 3);
    toolbar.button(QStringLiteral("btnSmallIcon"))->trigger();
    EXPECT_EQ(toolbar.pressedViewButton(), 1);
    EXPECT_FALSE(toolbar.button(QStringLiteral("btnDetail"))->isChecked());
    toolbar.button(QStringLiteral("btnSmallIcon"))->trigger();
    EXPECT_EQ(toolbar.pressedViewButton(), 1) << "pressing the pressed button keeps it pressed";
    EXPECT_FALSE(toolbar.button(QStringLiteral("btnExit"))->isCheckable());
}

TEST(Menus, EveryCaptionExactlyInItsPlace)
{
    QMenuBar bar;
    MainMenus menus(bar);
    QStringList tree;
    for (QAction* top : bar.actions()) {
        tree << top->menu()->objectName() + u'=' + top->text();
        for (QAction* item : top->menu()->actions())
            tree << u' ' + item->objectName() + u'=' + (item->isSeparator() ? QStringLiteral("-") : item->text());
    }
    const QStringList expected = {
        "mnuFile=ファイル(&F)",
        " mnuFileNew=リストファイル新規作成(&N)",
        " mnuFileAdd=リストファイル追加(&A)",
        " mnuFileRelease=リストファイル解放(&R)",
        " mnuFileDelete=リストファイル削除(&D)",
        " mnuSep3=-",
        " mnuFileExit=終了(&X)",
        "mnuView=表示(&V)",
        " mnuThumbnail=サムネイル表示(&N)",
        " mnuViewToolbar=ツールバー(&T)",
        " mnuSep1=-",
        " mnuViewListviewMode0=大きいアイコン(&G)",
        " mnuViewListviewMode1=小さいアイコン(&M)",
        " mnuViewListviewMode2=一覧(&L)",
        " mnuViewListviewMode3=詳細(&D)",
        " mnuSep2=-",
        " mnuViewDirimage=フォルダアイコン変更(&I)",
        "mnuTool=ツール(&T)",
        " mnuOption=オプション(&O)",
        " mnuSep4=-",
        " mnuToolNotexist=不在ファイルを除外する(&N)",
        "mnuHelp=ヘルプ(&H)",
        " mnuHelpDoc=ユーザーズガイドの表示(&G)",
        " mnuHelpHomepage=作者ホームページの表示(&H)",
        " mnuHelpDonation=寄付について(&D)",
        " mnuHelpAbout=バージョン情報(&A)",
    };
    EXPECT_EQ(tree, expected);
    EXPECT_TRUE(menus.action(MainCommand::ViewToolbar)->isCheckable());
}

TEST(CommandRouter, ControlsFollowTheHandlerAndTheSwitch)
{
    CommandRouter router;
    QAction item(nullptr);
    QToolButton button;
    router.bind(MainCommand::Search, &item);
    router.bind(MainCommand::Search, &button);
    EXPECT_FALSE(item.isEnabled()) << "nothing to run yet";
    EXPECT_FALSE(button.isEnabled());
    EXPECT_FALSE(router.run(MainCommand::Search));

    int runs = 0;
    router.handle(MainCommand::Search, [&] { ++runs; });
    EXPECT_TRUE(item.isEnabled());
    EXPECT_TRUE(button.isEnabled());
    item.trigger();
    button.click();
    EXPECT_EQ(runs, 2);

    router.setEnabled(MainCommand::Search, false);
    EXPECT_FALSE(item.isEnabled());
    EXPECT_FALSE(router.run(MainCommand::Search));
    router.setEnabled(MainCommand::Search, true);
    EXPECT_TRUE(router.run(MainCommand::Search));
    EXPECT_EQ(runs, 3);
}

TEST(StartupShow, HiddenOnlyWhereTheTrayCanBringItBack)
{
    struct Case {
        bool ng, oneShot, minBoot, tray;
        StartupShow show;
    };
    const Case cases[] = {
        {false, false, false, true, StartupShow::Shown},
        {false, false, false, false, StartupShow::Shown},
        {true, false, false, true, StartupShow::Hidden},
        {true, false, false, false, StartupShow::Minimized},
        {true, true, false, false, StartupShow::Hidden},
        {true, false, true, true, StartupShow::Hidden},
        {false, false, true, true, StartupShow::Hidden},
        {false, false, true, false, StartupShow::Minimized},
    };
    for (const Case& c : cases)
        EXPECT_EQ(StartupWindowShow(c.ng, c.oneShot, c.minBoot, c.tray), c.show)
            << c.ng << c.oneShot << c.minBoot << c.tray;
}
