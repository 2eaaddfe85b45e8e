// The toolbar's buttons and their dispatch, the start-up's choice between hidden and minimised, and
// the command router.
#include "mainwindow/CommandRouter.h"
#include "mainwindow/MainToolbar.h"
#include "mainwindow/TrayPolicy.h"

#include <QAction>
#include <QProgressBar>
#include <QToolButton>

#include <gtest/gtest.h>

using namespace velmora;

TEST(Toolbar, EveryButtonHasItsPictureAndTheProgressBarItsPlace)
{
    MainToolbar toolbar;
    EXPECT_EQ(toolbar.objectName(), QStringLiteral("tlbCommon"));
    for (const ToolbarButton& entry : ToolbarButtons()) {
        QAction* button = toolbar.button(QString::fromUtf16(entry.key));
        ASSERT_NE(button, nullptr);
        if (entry.command) {
            EXPECT_FALSE(button->icon().isNull()) << button->objectName().toStdString();
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
