#include "tests/support/TestSupport.h"

#include "core/Prompt.h"
#include "engine/ApplyWallpaper.h"
#include "tests/support/RecordingBackend.h"
#include "tests/support/TestImages.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

using namespace velmora;
using namespace velmora::test;

namespace {

struct Rig {
    TempFolder program;
    std::shared_ptr<RecordingBackend> backend = std::make_shared<RecordingBackend>();
    ScriptedPrompter prompter;
    PrompterScope scope{prompter};
    ApplyRequest request;

    explicit Rig(const QImage& loaded)
    {
        request.compose.source = loaded;
        request.compose.screen = platform::ScreenPixels{QSize(400, 300), 96.0};
        request.compose.today = QDate(2026, 12, 8);
        request.compose.tileWallpaper = QStringLiteral("0");
        request.programFolder = program.path();
        request.backend = backend;
    }
    Settings& settings() { return request.compose.settings; }
    ApplyResult apply() { return ApplyWallpaper(request); }
    QImage written() const { return QImage(program.file(QStringLiteral("$$WALL$$.BMP"))); }
};

} // namespace

TEST(ApplyWallpaper, WithEveryModeOffWritesTheImageThenStoresThePlacementThenSetsIt)
{
    const QImage photo = PhotoLikeImage(64, 48, 7);
    Rig rig(photo);
    rig.request.compose.tileWallpaper.clear();
    const ApplyResult result = rig.apply();
    EXPECT_TRUE(result.installed);
    EXPECT_EQ(rig.written().convertToFormat(QImage::Format_RGB32),
              photo.convertToFormat(QImage::Format_RGB32));
    EXPECT_EQ(rig.backend->calls, (QStringList{"tile ", "set $$WALL$$.BMP  1"}))
        << "an unknown placement is written back empty, before the picture, which is complete by then";
    EXPECT_EQ(rig.prompter.count(), 0);

    rig.apply();
    QStringList files = QDir(rig.program.path()).entryList(QDir::Files);
    EXPECT_EQ(files, QStringList{"$$WALL$$.BMP"}) << "applying again overwrites the one file";
}

TEST(ApplyWallpaper, StepsFollowTheirModes)
{
    Rig rig(FlatImage(40, 30, qRgb(128, 128, 128)));
    rig.settings().EffectMode = 1;
    rig.settings().EffectType = 1;
    rig.settings().EffectGammaOn[1] = 1;
    rig.settings().CollageOnMode = 1;
    bool collage = false;
    rig.request.compose.composeCollage = [&](EngineState&) { collage = true; };
    rig.settings().AutoTileMode = 1;
    const ApplyResult tiled = rig.apply();
    EXPECT_TRUE(collage);
    EXPECT_EQ(rig.written().pixel(0, 0), qRgb(128, 128, 128)) << "no effects while the collage is on";
    EXPECT_EQ(tiled.composed.tileWallpaper, QStringLiteral("1"))
        << "40 x 30 is far less than a tenth of 400 x 300";
    EXPECT_EQ(rig.backend->calls.first(), QStringLiteral("tile 1"));

    rig.settings().CollageOnMode = 0;
    rig.apply();
    EXPECT_GT(qRed(rig.written().pixel(0, 0)), 160) << "gamma 2.3 lifts mid-grey";
}

TEST(ApplyWallpaper, FailuresOfferRetryIgnoreAndAbort)
{
    Rig rig(FlatImage(40, 30, qRgb(10, 20, 30)));
    rig.backend->failSet = QStringLiteral("壁紙を設定できませんでした。");
    rig.prompter.push(Answer::Retry);
    EXPECT_TRUE(rig.apply().installed) << "the retried step succeeded";
    EXPECT_EQ(rig.prompter.texts(), QStringList{"壁紙を設定できませんでした。"});
    EXPECT_EQ(rig.backend->calls.filter(QStringLiteral("set")).size(), 2)
        << "Retry runs the failing step again";

    // A folder where the bitmap should be makes the save fail: Abort leaves before the desktop hears.
    Rig blocked(FlatImage(40, 30, qRgb(10, 20, 30)));
    QDir(blocked.program.path()).mkdir(QStringLiteral("$$WALL$$.BMP"));
    blocked.prompter.push(Answer::Abort);
    EXPECT_FALSE(blocked.apply().installed);
    EXPECT_TRUE(blocked.backend->calls.isEmpty());

    Rig ignored(FlatImage(40, 30, qRgb(10, 20, 30)));
    QDir(ignored.program.path()).mkdir(QStringLiteral("$$WALL$$.BMP"));
    ignored.prompter.push(Answer::Ignore);
    ignored.apply();
    EXPECT_EQ(ignored.backend->calls.size(), 2) << "Ignore goes on with the placement and the desktop";
}

TEST(ApplyWallpaper, ADesktopHandlerOtherThanAskingRecordsTheFailureWithoutAPrompt)
{
    Rig rig(FlatImage(40, 30, qRgb(10, 20, 30)));
    rig.backend->failSet = QStringLiteral("gsettings がありません。");
    rig.request.desktopFailures = ContinueSilently;
    const ApplyResult result = rig.apply();
    EXPECT_FALSE(result.installed);
    EXPECT_EQ(result.desktopErrors, QStringList{"gsettings がありません。"});
    EXPECT_EQ(rig.prompter.count(), 0);
    EXPECT_TRUE(QFileInfo::exists(rig.program.file(QStringLiteral("$$WALL$$.BMP"))))
        << "the wallpaper file is still written";
}

TEST(ApplyWallpaper, ANoticeIsHandedBackToBeShownOnce)
{
    Rig rig(FlatImage(40, 30, qRgb(10, 20, 30)));
    rig.backend->notice = QStringLiteral("デスクトップが見つかりません。");
    EXPECT_EQ(rig.apply().notice, QStringLiteral("デスクトップが見つかりません。"));
    EXPECT_TRUE(rig.apply().notice.isEmpty());
    EXPECT_EQ(rig.prompter.count(), 0) << "the window thread shows it, not the worker";
}

TEST(ComposeWallpaper, ComposingTwiceGivesWhatComposingOnceGaveAndLeavesTheSourceAlone)
{
    const QImage photo = PhotoLikeImage(400, 300, 3);
    const QImage before = photo.copy();
    ComposeRequest request;
    request.source = photo;
    request.screen = platform::ScreenPixels{QSize(640, 480), 96.0};
    request.today = QDate(2026, 12, 8);
    request.settings.EffectMode = 1;
    request.settings.EffectType = 1;
    request.settings.EffectEmbossOn[1] = 1;
    request.settings.EffectContrastOn[1] = 1;
    request.settings.SizeChangeMode = 1;
    request.settings.CalendarOnMode = 1;
    request.calendarText.fontName = QStringLiteral("DejaVu Sans");

    const ComposeResult once = ComposeWallpaper(request);
    const ComposeResult twice = ComposeWallpaper(request);
    ASSERT_FALSE(once.image.isNull());
    EXPECT_EQ(once.image.size(), QSize(640, 480));
    EXPECT_EQ(twice.image, once.image) << "no emboss on emboss, no calendar on calendar";
    EXPECT_EQ(photo, before) << "the loaded picture is never drawn on";
}

TEST(ComposeWallpaper, APictureReadReducedComposesAsTheWholeOneDoes)
{
    const QSize screen(640, 360);
    Settings settings;
    settings.SizeChangeMode = 1;
    // Read reduced only what the size change shrinks first, with no effect drawn on it before.
    EXPECT_EQ(ComposeReducedSize(settings, screen, QSize(1000, 750)), QSize(480, 360));
    EXPECT_FALSE(ComposeReducedSize(settings, screen, QSize(400, 300)).isValid()) << "enlarged, not reduced";
    settings.EffectMode = 1;
    EXPECT_FALSE(ComposeReducedSize(settings, screen, QSize(1000, 750)).isValid());
    settings.CollageOnMode = 1;
    EXPECT_TRUE(ComposeReducedSize(settings, screen, QSize(1000, 750)).isValid())
        << "no effects with the collage";
    settings.EffectMode = 0;
    settings.CollageOnMode = 0;
    settings.SizeChangeMode = 0;
    EXPECT_FALSE(ComposeReducedSize(settings, screen, QSize(1000, 750)).isValid());

    settings.SizeChangeMode = 1;
    settings.AutoTileMode = 1;
    settings.CalendarOnMode = 1;
    const QImage photo = PhotoLikeImage(1000, 750, 5);
    ComposeRequest whole;
    whole.source = photo;
    whole.settings = settings;
    whole.screen = platform::ScreenPixels{screen, 96.0};
    whole.today = QDate(2026, 12, 8);
    whole.calendarText.fontName = QStringLiteral("DejaVu Sans");
    ComposeRequest reduced = whole;
    reduced.source = photo.scaled(480, 360, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    reduced.storedSize = photo.size();
    const ComposeResult a = ComposeWallpaper(whole);
    const ComposeResult b = ComposeWallpaper(reduced);
    ASSERT_EQ(a.image.size(), QSize(480, 360));
    EXPECT_EQ(b.image.size(), a.image.size());
    EXPECT_EQ(b.tileWallpaper, a.tileWallpaper);
    EXPECT_LT(MeanChannelDifference(a.image, b.image), 1.0);
}

TEST(ComposeWallpaper, AbortLeavesWithNothingToInstallAndCancelStopsBetweenSteps)
{
    ScriptedPrompter prompter{Answer::Abort};
    PrompterScope scope(prompter);
    ComposeRequest request;
    request.source = FlatImage(40, 30, qRgb(1, 2, 3));
    request.screen = platform::ScreenPixels{QSize(400, 300), 96.0};
    request.settings.EffectMode = 1;
    request.settings.EffectType = 9; // no such set: the step fails
    const ComposeResult aborted = ComposeWallpaper(request);
    EXPECT_TRUE(aborted.left);
    EXPECT_TRUE(aborted.image.isNull());

    request.settings.EffectType = 0;
    int asked = 0;
    request.canceled = [&] { return ++asked > 1; };
    const ComposeResult canceled = ComposeWallpaper(request);
    EXPECT_TRUE(canceled.left);
    EXPECT_TRUE(canceled.drawnEffects.has_value()) << "the first step ran, the others did not";
}
