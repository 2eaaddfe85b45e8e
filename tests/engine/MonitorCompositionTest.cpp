#include "tests/support/TestSupport.h"

#include "core/Prompt.h"
#include "engine/ApplyWallpaper.h"
#include "engine/MonitorComposition.h"
#include "platform/wallpaper/NullBackend.h"
#include "tests/support/TestImages.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace velmora;
using namespace velmora::test;
using platform::Monitor;
using platform::MonitorList;
using platform::MonitorMode;

namespace {

Monitor monitor(QRect geometry, bool primary = false)
{
    return Monitor{QStringLiteral("M%1").arg(geometry.x()), geometry, 96.0, primary};
}

ComposeRequest request(const QImage& source)
{
    ComposeRequest compose;
    compose.source = source;
    compose.screen = platform::ScreenPixels{QSize(400, 300), 96.0};
    compose.today = QDate(2026, 12, 8);
    compose.tileWallpaper = QStringLiteral("0");
    return compose;
}

QImage rgb32(const QImage& image)
{
    return image.convertToFormat(QImage::Format_RGB32);
}

// The first effect draw turns grey on alone; any later draw turns contrast and gamma on instead.
class TwoDraws final : public RandomSource {
public:
    double draw() override { return m_draws++ < 6 ? 0.35 : 0.05; }

private:
    int m_draws = 0;
};

// Records what the desktop was given.
class MonitorBackend final : public platform::WallpaperBackend {
public:
    bool across = true;
    std::vector<platform::WallpaperPicture> pictures;

    QString name() const override { return QStringLiteral("Stand-in"); }
    QString ReadTileWallpaper() override { return QStringLiteral("0"); }
    platform::WallpaperResult WriteTileWallpaper(const QString&) override
    {
        return platform::WallpaperResult::success();
    }
    platform::WallpaperResult SetWallpaper(const platform::WallpaperPicture& picture) override
    {
        pictures.push_back(picture);
        // The views of a canvas are valid only during the call.
        for (platform::MonitorPicture& part : pictures.back().monitors)
            part.image = part.image.copy();
        return platform::WallpaperResult::success();
    }
    bool ShowsMonitorMode(MonitorMode mode) const override { return mode != MonitorMode::Across || across; }
};

class Monitors : public testing::Test {
protected:
    ScriptedPrompter prompter;
    PrompterScope scope{prompter};
};

} // namespace

TEST_F(Monitors, SameComposesForEachMonitorsSizeWithTheCalendarOnThePrimaryAlone)
{
    const QImage photo = PhotoLikeImage(400, 300, 3);
    ComposeRequest compose = request(photo);
    compose.settings.SizeChangeMode = 1;
    compose.settings.CalendarOnMode = 1;
    // Left to right: a large one, the primary, one of the primary's size.
    const MonitorList monitors{monitor(QRect(0, 0, 800, 600)), monitor(QRect(800, 0, 400, 300), true),
                               monitor(QRect(1200, 0, 400, 300))};
    const MonitorComposition made = ComposeForMonitors(compose, monitors, MonitorMode::Same);
    ASSERT_FALSE(made.primary.left);
    ASSERT_EQ(made.monitors.size(), 3u);

    const ComposeResult single = ComposeWallpaper(compose);
    EXPECT_EQ(made.primary.image, single.image) << "the primary's picture is the one-screen composition";
    EXPECT_EQ(made.monitors[1].image, single.image);
    EXPECT_EQ(made.monitors[0].image.size(), QSize(800, 600)) << "the size change fits each monitor";
    EXPECT_EQ(made.monitors[1].geometry, QRect(800, 0, 400, 300));

    ComposeRequest plain = compose;
    plain.settings.CalendarOnMode = 0;
    EXPECT_EQ(made.monitors[2].image, ComposeWallpaper(plain).image) << "no calendar beside the primary";
    plain.screen.size = QSize(800, 600);
    EXPECT_EQ(made.monitors[0].image, ComposeWallpaper(plain).image);
}

TEST_F(Monitors, SameDrawsARandomEffectSetOnceForEveryMonitor)
{
    const QImage photo = PhotoLikeImage(60, 40, 5);
    ComposeRequest compose = request(photo);
    compose.settings.EffectMode = 1;
    compose.settings.EffectType = 0;
    TwoDraws random;
    compose.random = &random;
    const MonitorList monitors{monitor(QRect(0, 0, 400, 300), true), monitor(QRect(400, 0, 640, 480))};
    const MonitorComposition made = ComposeForMonitors(compose, monitors, MonitorMode::Same);
    ASSERT_EQ(made.monitors.size(), 2u);
    ASSERT_TRUE(made.primary.drawnEffects);
    EXPECT_TRUE(made.primary.drawnEffects->grayscale);
    EXPECT_EQ(made.monitors[1].image, made.monitors[0].image) << "the second monitor drew a set of its own";
}

TEST_F(Monitors, SameComposesACollageOnceAndShowsItOnEveryMonitor)
{
    ComposeRequest compose = request(FlatImage(40, 30, qRgb(1, 2, 3)));
    compose.settings.CollageOnMode = 1;
    compose.settings.CalendarOnMode = 1;
    int collages = 0;
    compose.composeCollage = [&](EngineState& state) {
        ++collages;
        state.leadWallPaper.assignPicture(FlatImage(400, 300, qRgb(200, 100, 50)));
    };
    const MonitorList monitors{monitor(QRect(0, 0, 400, 300), true), monitor(QRect(400, 0, 800, 600))};
    const MonitorComposition made = ComposeForMonitors(compose, monitors, MonitorMode::Same);
    EXPECT_EQ(collages, 1) << "each collage moves the positions on";
    ASSERT_EQ(made.monitors.size(), 2u);
    EXPECT_EQ(rgb32(made.monitors[1].image), FlatImage(400, 300, qRgb(200, 100, 50)));
    EXPECT_NE(rgb32(made.monitors[0].image), rgb32(made.monitors[1].image)) << "the calendar on the primary";
    EXPECT_EQ(made.primary.image, made.monitors[0].image);
}

TEST_F(Monitors, EachShowsItsOwnPictureInOrder)
{
    const QImage first = PhotoLikeImage(50, 40, 1);
    const QImage second = PhotoLikeImage(500, 400, 2);
    ComposeRequest compose = request(first);
    compose.settings.CalendarOnMode = 1;
    const MonitorList monitors{monitor(QRect(0, 0, 400, 300)), monitor(QRect(400, 0, 400, 300), true),
                               monitor(QRect(800, 0, 400, 300))};
    const MonitorComposition made = ComposeForMonitors(
        compose, monitors, MonitorMode::Each, {MonitorSource{}, MonitorSource{second, {}}, MonitorSource{}});
    ASSERT_EQ(made.monitors.size(), 3u);
    EXPECT_EQ(rgb32(made.monitors[0].image), rgb32(first));
    EXPECT_EQ(made.monitors[1].image.size(), second.size()) << "the primary shows the second picture";
    EXPECT_NE(rgb32(made.monitors[1].image), rgb32(second)) << "with the calendar";
    EXPECT_EQ(made.primary.image, made.monitors[1].image);
    EXPECT_EQ(rgb32(made.monitors[2].image), rgb32(first)) << "a monitor without a picture of its own";
}

TEST_F(Monitors, AcrossLaysOnePictureOverTheBoundingBoxAndCutsEachMonitorsPart)
{
    // The second monitor lower and taller: the box is 600 x 500, its lower left corner on no monitor.
    const QImage photo = PhotoLikeImage(600, 500, 9);
    ComposeRequest compose = request(photo);
    const MonitorList monitors{monitor(QRect(0, 0, 400, 300), true), monitor(QRect(400, 100, 200, 400))};
    const MonitorComposition made = ComposeForMonitors(compose, monitors, MonitorMode::Across);
    ASSERT_EQ(made.monitors.size(), 2u);
    EXPECT_EQ(rgb32(made.primary.image), rgb32(photo)) << "the canvas is the whole box";
    EXPECT_EQ(rgb32(made.monitors[0].image), rgb32(photo).copy(0, 0, 400, 300));
    EXPECT_EQ(rgb32(made.monitors[1].image), rgb32(photo).copy(400, 100, 200, 400));
    EXPECT_EQ(made.monitors[1].geometry, QRect(400, 100, 200, 400));

    // The calendar in the primary monitor's corner, nowhere else.
    compose.settings.CalendarOnMode = 1;
    compose.settings.CalendarOffsetMode = 2; // bottom left: of the box, that is on no monitor
    const MonitorComposition dated = ComposeForMonitors(compose, monitors, MonitorMode::Across);
    EXPECT_EQ(rgb32(dated.monitors[1].image), rgb32(photo).copy(400, 100, 200, 400));
    EXPECT_EQ(rgb32(dated.primary.image).copy(0, 300, 400, 200), rgb32(photo).copy(0, 300, 400, 200));
    EXPECT_NE(rgb32(dated.monitors[0].image), rgb32(photo).copy(0, 0, 400, 300));
}

TEST_F(Monitors, AcrossFitsThePictureToTheBoxAndCentresASmallOne)
{
    ComposeRequest compose = request(FlatImage(10, 10, qRgb(255, 0, 0)));
    const MonitorList monitors{monitor(QRect(0, 0, 40, 20), true), monitor(QRect(40, 0, 40, 20))};
    const MonitorComposition made = ComposeForMonitors(compose, monitors, MonitorMode::Across);
    EXPECT_EQ(made.primary.image.size(), QSize(80, 20));
    EXPECT_EQ(made.monitors[0].image.pixel(39, 10), qRgb(255, 0, 0)) << "the seam runs through the picture";
    EXPECT_EQ(made.monitors[1].image.pixel(0, 10), qRgb(255, 0, 0));
    EXPECT_EQ(made.monitors[0].image.pixel(0, 0), qRgb(0, 0, 0));
}

TEST(MonitorsReducedSize, IsTheLargestMonitorsOrTheBoxs)
{
    Settings settings;
    settings.SizeChangeMode = 1;
    const MonitorList monitors{monitor(QRect(0, 0, 1000, 500), true), monitor(QRect(1000, 0, 2000, 1000))};
    EXPECT_EQ(MonitorsReducedSize(settings, monitors, MonitorMode::Same, QSize(4000, 2000)),
              QSize(2000, 1000));
    EXPECT_EQ(MonitorsReducedSize(settings, monitors, MonitorMode::Across, QSize(6000, 2000)),
              QSize(3000, 1000));
    EXPECT_FALSE(MonitorsReducedSize(settings, monitors, MonitorMode::Same, QSize(1500, 750)).isValid())
        << "the larger monitor enlarges it: the picture is needed whole";
}

TEST_F(Monitors, OneMonitorGivesTodaysBitmapByteForByteInEveryMode)
{
    TempFolder program;
    const auto apply = [&](std::optional<MonitorMode> mode) {
        auto backend = std::make_shared<MonitorBackend>();
        ApplyRequest apply;
        apply.compose = request(PhotoLikeImage(200, 150, 4));
        apply.compose.settings.SizeChangeMode = 1;
        apply.compose.settings.CalendarOnMode = 1;
        apply.programFolder = program.path();
        apply.backend = backend;
        if (mode) {
            apply.monitors = {monitor(QRect(0, 0, 400, 300), true)};
            apply.monitorMode = *mode;
        }
        EXPECT_TRUE(ApplyWallpaper(apply).installed);
        EXPECT_EQ(backend->pictures.size(), 1u);
        EXPECT_TRUE(backend->pictures.back().monitors.empty());
        QFile file(program.file(QStringLiteral("$$WALL$$.BMP")));
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        return file.readAll();
    };
    const QByteArray today = apply(std::nullopt);
    ASSERT_FALSE(today.isEmpty());
    for (const MonitorMode mode : {MonitorMode::Same, MonitorMode::Each, MonitorMode::Across})
        EXPECT_TRUE(apply(mode) == today) << "mode " << static_cast<int>(mode);
}

TEST_F(Monitors, ADesktopThatCannotSpanGetsTheSamePictureOnEachAndANote)
{
    TempFolder program;
    auto backend = std::make_shared<MonitorBackend>();
    backend->across = false;
    ApplyRequest apply;
    apply.compose = request(FlatImage(30, 20, qRgb(0, 0, 255)));
    apply.programFolder = program.path();
    apply.backend = backend;
    apply.monitors = {monitor(QRect(0, 0, 400, 300), true), monitor(QRect(400, 0, 300, 200))};
    apply.monitorMode = MonitorMode::Across;
    const ApplyResult result = ApplyWallpaper(apply);
    EXPECT_TRUE(result.installed);
    EXPECT_EQ(result.monitorNote, MonitorModeNote(QStringLiteral("Stand-in"), MonitorMode::Across));
    ASSERT_EQ(backend->pictures.size(), 1u);
    const platform::WallpaperPicture& picture = backend->pictures.front();
    ASSERT_EQ(picture.monitors.size(), 2u);
    EXPECT_EQ(picture.monitors[1].image.size(), QSize(30, 20))
        << "the picture itself, not a part of a canvas";
    EXPECT_EQ(QImage(program.file(QStringLiteral("$$WALL$$.BMP"))).size(), QSize(30, 20));

    backend->across = true;
    const ApplyResult spanned = ApplyWallpaper(apply);
    EXPECT_TRUE(spanned.monitorNote.isEmpty());
    EXPECT_EQ(QImage(program.file(QStringLiteral("$$WALL$$.BMP"))).size(), QSize(700, 300))
        << "across the monitors the bitmap is the whole canvas";
    EXPECT_EQ(backend->pictures.back().monitors[1].image.size(), QSize(300, 200));
}

TEST_F(Monitors, WithoutAKnownDesktopTheBitmapHoldsWhatTheModeAsksForAndNoNote)
{
    TempFolder program;
    ApplyRequest apply;
    apply.compose = request(FlatImage(30, 20, qRgb(0, 0, 255)));
    apply.programFolder = program.path();
    apply.backend = std::make_shared<platform::NullBackend>();
    apply.monitors = {monitor(QRect(0, 0, 400, 300), true), monitor(QRect(400, 0, 300, 200))};
    apply.monitorMode = MonitorMode::Across;
    const ApplyResult result = ApplyWallpaper(apply);
    EXPECT_TRUE(result.monitorNote.isEmpty()) << "nothing is shown, so no mode is missed";
    EXPECT_EQ(QImage(program.file(QStringLiteral("$$WALL$$.BMP"))).size(), QSize(700, 300));
}
