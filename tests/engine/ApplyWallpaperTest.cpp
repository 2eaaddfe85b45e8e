#include "tests/support/TestSupport.h"

#include "core/Prompt.h"
#include "engine/ApplyWallpaper.h"
#include "platform/Screen.h"
#include "tests/support/TestImages.h"
#include "tests/support/RecordingBackend.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

using namespace velmora;
using namespace velmora::test;

namespace {

struct Rig {
    TempFolder program;
    EngineState state;
    Settings settings;
    RecordingBackend backend;
    ScriptedPrompter prompter;
    PrompterScope scope{prompter};
    ApplyContext context{state, settings, backend, program.path(), {}};

    explicit Rig(const QImage& loaded)
    {
        platform::OverridePrimaryScreen(platform::ScreenPixels{QSize(400, 300), 96.0});
        state.leadWallPaper.assignPicture(loaded);
        state.LoadedImageWidth = loaded.width();
        state.LoadedImageHeight = loaded.height();
    }
    ~Rig() { platform::OverridePrimaryScreen(std::nullopt); }

    QImage written() const { return QImage(program.file(QStringLiteral("$$WALL$$.BMP"))); }
};

} // namespace

TEST(ApplyWallpaper, WithEveryModeOffWritesTheImageThenStoresThePlacementThenSetsIt)
{
    const QImage photo = PhotoLikeImage(64, 48, 7);
    Rig rig(photo);
    rig.state.TileWallpaper.clear();
    EXPECT_TRUE(ApplyWallpaper(rig.context, QStringLiteral("/ignored.jpg")));
    EXPECT_EQ(rig.written().convertToFormat(QImage::Format_RGB32),
              photo.convertToFormat(QImage::Format_RGB32));
    EXPECT_EQ(rig.backend.calls, (QStringList{"tile ", "set $$WALL$$.BMP  1"}))
        << "an unknown placement is written back empty, before the picture, which is complete by then";
    EXPECT_EQ(rig.prompter.count(), 0);

    ApplyWallpaper(rig.context);
    QStringList files = QDir(rig.program.path()).entryList(QDir::Files);
    EXPECT_EQ(files, QStringList{"$$WALL$$.BMP"}) << "applying again overwrites the one file";
}

TEST(ApplyWallpaper, StepsFollowTheirModes)
{
    Rig rig(FlatImage(40, 30, qRgb(128, 128, 128)));
    rig.settings.EffectMode = 1;
    rig.settings.EffectType = 1;
    rig.settings.EffectGammaOn[1] = 1;
    rig.settings.CollageOnMode = 1;
    bool collage = false;
    rig.context.composeCollage = [&] { collage = true; };
    rig.settings.AutoTileMode = 1;
    ApplyWallpaper(rig.context);
    EXPECT_TRUE(collage);
    EXPECT_EQ(rig.written().pixel(0, 0), qRgb(128, 128, 128)) << "no effects while the collage is on";
    EXPECT_EQ(rig.state.TileWallpaper, QStringLiteral("1"))
        << "40 x 30 is far less than a tenth of 400 x 300";
    EXPECT_EQ(rig.backend.calls.first(), QStringLiteral("tile 1"));

    rig.settings.CollageOnMode = 0;
    ApplyWallpaper(rig.context);
    EXPECT_GT(qRed(rig.written().pixel(0, 0)), 160) << "gamma 2.3 lifts mid-grey";
}

TEST(ApplyWallpaper, FailuresOfferRetryIgnoreAndAbort)
{
    Rig rig(FlatImage(40, 30, qRgb(10, 20, 30)));
    rig.backend.failSet = QStringLiteral("壁紙を設定できませんでした。");
    rig.prompter.push(Answer::Retry);
    EXPECT_TRUE(ApplyWallpaper(rig.context));
    EXPECT_EQ(rig.prompter.texts(), QStringList{"壁紙を設定できませんでした。"});
    EXPECT_EQ(rig.backend.calls.filter(QStringLiteral("set")).size(), 2)
        << "Retry runs the failing step again";

    // A folder where the bitmap should be makes the save fail: Abort leaves before the desktop hears.
    Rig blocked(FlatImage(40, 30, qRgb(10, 20, 30)));
    QDir(blocked.program.path()).mkdir(QStringLiteral("$$WALL$$.BMP"));
    blocked.prompter.push(Answer::Abort);
    EXPECT_FALSE(ApplyWallpaper(blocked.context));
    EXPECT_TRUE(blocked.backend.calls.isEmpty());

    Rig ignored(FlatImage(40, 30, qRgb(10, 20, 30)));
    QDir(ignored.program.path()).mkdir(QStringLiteral("$$WALL$$.BMP"));
    ignored.prompter.push(Answer::Ignore);
    ApplyWallpaper(ignored.context);
    EXPECT_EQ(ignored.backend.calls.size(), 2) << "Ignore goes on with the placement and the desktop";
}

TEST(ApplyWallpaper, NoticeOnceAndNoSecondChangeWhileComposing)
{
    Rig rig(FlatImage(40, 30, qRgb(10, 20, 30)));
    rig.backend.notice = QStringLiteral("デスクトップが見つかりません。");
    int nested = -1;
    rig.settings.CollageOnMode = 1;
    rig.context.composeCollage = [&] { nested = ApplyWallpaper(rig.context) ? 1 : 0; };
    ApplyWallpaper(rig.context);
    ApplyWallpaper(rig.context);
    EXPECT_EQ(nested, 0) << "a change requested while composing is refused";
    EXPECT_EQ(rig.prompter.texts(), QStringList{"デスクトップが見つかりません。"});
    EXPECT_EQ(rig.prompter.requests()[0].kind, PromptKind::Information);
}
