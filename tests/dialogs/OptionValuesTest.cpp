#include "tests/support/TestSupport.h"

#include "core/Settings.h"
#include "core/SettingsFile.h"
#include "dialogs/OptionFieldChecks.h"
#include "dialogs/OptionValues.h"

#include <gtest/gtest.h>

using namespace velmora;

namespace {

struct FieldCase {
    const char* text;
    bool passes;
};

void expectChecks(const FieldCheck& check, std::initializer_list<FieldCase> cases)
{
    for (const FieldCase& c : cases) {
        const std::optional<QString> failure = CheckField(check, QString::fromUtf8(c.text));
        EXPECT_EQ(!failure.has_value(), c.passes) << "entry \"" << c.text << '"';
        if (failure) {
            EXPECT_EQ(*failure, check.message);
        }
    }
}

} // namespace

TEST(OptionFieldChecks, TheTimerTakesOneTo32767Seconds)
{
    const FieldCheck timer = TimerFieldCheck();
    EXPECT_EQ(timer.message, QStringLiteral("このフィールドには 1 ～ 32,767 の数値を入力してください。"));
    expectChecks(timer, {{"0", false},
                         {"40000", false},
                         {"3600", true},
                         {"1", true},
                         {"32767", true},
                         {"32767.5", false},
                         {"0.5", false},
                         {" 12 ", true},
                         {"1 2", false},
                         {"", false},
                         {"abc", false},
                         {"3s", false},
                         {"1e999", false}});
}

TEST(OptionFieldChecks, TileLinesTakeZeroToTenFractionsIncluded)
{
    const FieldCheck lines = TileLinesFieldCheck();
    EXPECT_EQ(lines.message, QStringLiteral("このフィールドには 0 ～ 10 の数値を入力してください。"));
    expectChecks(lines, {{"11", false}, {"10", true}, {"0", true}, {"2.7", true}, {"-1", false}});
}

TEST(OptionFieldChecks, MarginsAreBoundedByTheScreenAndTheMessageNamesItsSize)
{
    const FieldCheck width = MarginFieldCheck(15360);
    EXPECT_EQ(width.message, QStringLiteral("このフィールドには 0 ～  15360の数値を入力してください。"));
    expectChecks(width, {{"-1", false}, {"0", true}, {" 500", true}, {"15360", true}, {"15361", false}});
    EXPECT_EQ(MarginFieldCheck(11520).message,
              QStringLiteral("このフィールドには 0 ～  11520の数値を入力してください。"));
}

TEST(OptionValues, LoadShowsTheSettingsInTheControlsForms)
{
    Settings settings;
    settings.ChangeTimer = 90;
    settings.CalendarOffsetWidth = 500;
    settings.CalendarOffsetHeight = 0;
    settings.CollageTileLines = 4;
    settings.MinBoot = true;
    settings.TimerOnMode = 2; // only 1 ticks a box
    const OptionValues values = LoadOptionValues(settings, QStringLiteral("1"));
    EXPECT_EQ(values.timerText, QStringLiteral("90"));
    EXPECT_EQ(values.tileLinesText, QStringLiteral("4"));
    EXPECT_EQ(values.offsetXText, QStringLiteral(" 500"));
    EXPECT_EQ(values.offsetYText, QStringLiteral(" 0"));
    EXPECT_TRUE(values.minBoot);
    EXPECT_FALSE(values.timer);
    EXPECT_EQ(values.tileMode, 1);
    EXPECT_EQ(LoadOptionValues(settings, QString()).tileMode, 0) << "an unknown placement counts as centred";
    EXPECT_EQ(LoadOptionValues(settings, QStringLiteral("0")).tileMode, 0);
}

TEST(OptionValues, StoredValuesOutsideTheChoicesShowNothingOrTheNearestEndAndNeverFail)
{
    Settings settings;
    settings.EffectType = 7;
    settings.SizeChangeLimit = 500;
    settings.CollageCount = 0;
    settings.CollageBairitu = -3;
    settings.ChangeMode = 5;
    settings.CollageBaseMode = -1;
    settings.CalendarOffsetMode = 4;
    const OptionValues values = LoadOptionValues(settings, QStringLiteral("7"));
    EXPECT_EQ(values.effectType, NoChoice);
    EXPECT_EQ(values.changeMode, NoChoice);
    EXPECT_EQ(values.collageBase, NoChoice);
    EXPECT_EQ(values.offsetMode, NoChoice);
    EXPECT_EQ(values.tileMode, NoChoice);
    EXPECT_EQ(values.sizeChangeLimit, 200);
    EXPECT_EQ(values.collageCount, 1);
    EXPECT_EQ(values.collageBairitu, 1);

    // What shows nothing keeps its setting; a slider stores what it shows.
    QString tile = QStringLiteral("7");
    StoreOptionValues(values, settings, tile);
    EXPECT_EQ(settings.EffectType, 7);
    EXPECT_EQ(settings.ChangeMode, 5);
    EXPECT_EQ(settings.CollageBaseMode, -1);
    EXPECT_EQ(settings.CalendarOffsetMode, 4);
    EXPECT_EQ(tile, QStringLiteral("7"));
    EXPECT_EQ(settings.SizeChangeLimit, 200);
}

TEST(OptionValues, StoreRoundsTheTimerAndMarginsToEvenAndTruncatesTheTileLines)
{
    Settings settings;
    OptionValues values = LoadOptionValues(settings, QString());
    QString tile;
    values.tileMode = 1;
    values.timerText = QStringLiteral("2.5");
    values.tileLinesText = QStringLiteral("2.7");
    values.offsetXText = QStringLiteral("3.5");
    values.offsetYText = QStringLiteral(" 12.5 ");
    StoreOptionValues(values, settings, tile);
    EXPECT_EQ(settings.ChangeTimer, 2);
    EXPECT_EQ(settings.CollageTileLines, 2);
    EXPECT_EQ(settings.CalendarOffsetWidth, 4);
    EXPECT_EQ(settings.CalendarOffsetHeight, 12);
    EXPECT_EQ(tile, QStringLiteral("1"));

    values.timerText = QStringLiteral("3600");
    values.tileMode = 0;
    StoreOptionValues(values, settings, tile);
    EXPECT_EQ(settings.ChangeTimer, 3600);
    EXPECT_EQ(tile, QStringLiteral("0"));

    // A text the setting cannot hold (a stored value never checked) leaves the setting alone.
    values.timerText = QStringLiteral("99999");
    values.offsetXText = QStringLiteral("wide");
    StoreOptionValues(values, settings, tile);
    EXPECT_EQ(settings.ChangeTimer, 3600);
    EXPECT_EQ(settings.CalendarOffsetWidth, 4);
}

TEST(OptionValues, BoxesStoreOneExceptStartMinimisedWhichIsTrueInTheFile)
{
    Settings settings;
    OptionValues values = LoadOptionValues(settings, QString());
    values.autoTile = values.timer = values.sizeChange = values.effect = values.previewPause = true;
    values.minBoot = values.collage = values.collageTile = values.calendar = true;
    values.collageChange = false; // written by its own click, never by OK
    settings.CollageChangeMode = 1;
    QString tile;
    StoreOptionValues(values, settings, tile);
    const QByteArray file = SettingsFileBytes(settings);
    for (const char* key : {"AutoTileMode", "TimerOnMode", "SizeChangeMode", "EffectMode", "PreviewPauseMode",
                            "CollageOnMode", "CollageTileMode", "CalendarOnMode", "CollageChangeMode"})
        EXPECT_TRUE(file.contains("\r\n" + QByteArray(key) + "= 1\r\n")) << key;
    EXPECT_TRUE(file.contains("\r\nMinBoot=True\r\n"));

    values.autoTile = values.minBoot = false;
    StoreOptionValues(values, settings, tile);
    EXPECT_EQ(settings.AutoTileMode, 0);
    EXPECT_FALSE(settings.MinBoot);
}

TEST(OptionValues, TheMonitorModeIsOneOfThreeAndAnUnknownOneIsKept)
{
    Settings settings;
    EXPECT_EQ(LoadOptionValues(settings, QString()).monitorMode, 0);
    settings.MonitorMode = 2;
    OptionValues values = LoadOptionValues(settings, QString());
    EXPECT_EQ(values.monitorMode, 2);
    values.monitorMode = 1;
    QString tile;
    StoreOptionValues(values, settings, tile);
    EXPECT_EQ(settings.MonitorMode, 1);

    settings.MonitorMode = 3;
    values = LoadOptionValues(settings, QString());
    EXPECT_EQ(values.monitorMode, NoChoice);
    StoreOptionValues(values, settings, tile);
    EXPECT_EQ(settings.MonitorMode, 3);
}
