#include "core/SettingsStore.h"
#include "dialogs/OptionDialog.h"
#include "dialogs/OptionForm.h"
#include "dialogs/OptionValues.h"
#include "engine/EngineState.h"

#include <QCheckBox>
#include <QPushButton>

#include <gtest/gtest.h>

using namespace velmora;

namespace {

constexpr platform::ScreenTwips kScreen{15360, 11520}; // 1024 x 768 pixels

TEST(OptionSchedule, TheBoxesShowTheSettingsAndOkStoresThem)
{
    SettingsStore store;
    store.values().ChangeSchedule = 1;
    store.values().NextChangeAt = QStringLiteral("2026-12-10T09:00:00+09:00");
    EngineState engine;
    OptionDialog dialog(store, engine, kScreen);
    const OptionForm& f = dialog.form();
    EXPECT_TRUE(f.chkChangeSchedule->isChecked());
    EXPECT_FALSE(f.chkRandomMode->isChecked());
    f.chkChangeSchedule->click();
    f.chkRandomMode->click();
    f.cmdOk->click();
    EXPECT_EQ(store.values().ChangeSchedule, 0);
    EXPECT_EQ(store.values().RandomMode, 1);
    EXPECT_EQ(store.values().NextChangeAt, QStringLiteral("2026-12-10T09:00:00+09:00"))
        << "the moment is the schedule's, not the dialog's";
}

TEST(OptionSchedule, ValuesMapBothWaysAndOddStoredNumbersShowClear)
{
    Settings settings;
    settings.RandomMode = 1;
    OptionValues values = LoadOptionValues(settings, QString());
    EXPECT_TRUE(values.shuffledRounds);
    EXPECT_FALSE(values.changeSchedule);
    settings.RandomMode = 7;
    settings.ChangeSchedule = -1;
    values = LoadOptionValues(settings, QString());
    EXPECT_FALSE(values.shuffledRounds);
    EXPECT_FALSE(values.changeSchedule);
    values.changeSchedule = true;
    settings.NextChangeAt = QStringLiteral("2020-01-01T00:00:00Z");
    QString tile;
    StoreOptionValues(values, settings, tile);
    EXPECT_EQ(settings.ChangeSchedule, 1);
    EXPECT_EQ(settings.RandomMode, 0);
    EXPECT_TRUE(settings.NextChangeAt.isEmpty()) << "switched on: counted from now, not from a stale moment";
    settings.NextChangeAt = QStringLiteral("2026-01-01T00:00:00Z");
    StoreOptionValues(values, settings, tile);
    EXPECT_FALSE(settings.NextChangeAt.isEmpty()) << "left on: the schedule goes on";
}

TEST(OptionSchedule, TheDialogStillFitsTheSmallestScreen)
{
    SettingsStore store;
    EngineState engine;
    OptionDialog dialog(store, engine, kScreen);
    const QSize size = dialog.sizeHint();
    EXPECT_LE(size.width(), 1024);
    EXPECT_LE(size.height(), 768 - 60) << "room for a title bar and a panel";
}

} // namespace
