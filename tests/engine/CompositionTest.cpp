// The engine's steps chained as the apply pipeline runs them, on a photo loaded from a JPEG file.
#include "core/FileKinds.h"
#include "core/Prompt.h"
#include "core/Steps.h"
#include "engine/Calendar.h"
#include "engine/Effects.h"
#include "engine/Tiling.h"
#include "engine/WallpaperLoading.h"
#include "tests/support/TestImages.h"
#include "tests/support/TestSupport.h"

#include <QtEndian>

#include <gtest/gtest.h>

namespace velmora {
namespace {

TEST(Composition, APhotoBecomesAScreenSizedBitmapWithItsCalendar)
{
    BuildFileKindTable();
    test::TempFolder folder;
    const QString photo = folder.file("photo.jpg");
    ASSERT_TRUE(test::PhotoLikeImage(1600, 1200, 8).save(photo, "JPG", 90));
    const platform::ScreenPixels screen{QSize(1920, 1080), 96.0};

    EngineState state;
    state.previewArea = QSizeF(320, 240);
    Settings settings;
    settings.EffectType = 1;
    settings.EffectGrayscaleOn[1] = 1;
    settings.EffectGammaOn[1] = 1;
    settings.CalendarFontName = QStringLiteral("DejaVu Sans");
    state.leadWallPaper.textSettings() = CalendarTextSettings(settings);
    ScriptedPrompter prompter;
    PrompterScope scope(prompter);

    LoadWallpaperImage(state, photo);
    const QString target = folder.file("$$WALL$$.BMP");
    Steps steps;
    steps([&] { ApplyEffects(state, settings); })([&] { AutoTile(state, settings, screen.size); })([&] {
        AutoSizeChange(state, settings, screen.size);
    })([&] { DrawCalendar(state, settings, QDate(2026, 12, 7), screen); })(
        [&] { state.leadWallPaper.saveImageFile(target); });
    EXPECT_FALSE(steps.failed());
    EXPECT_EQ(prompter.count(), 0);

    EXPECT_EQ(state.TileWallpaper, QStringLiteral("0"));
    const QImage saved(target);
    ASSERT_EQ(saved.size(), QSize(1440, 1080)); // 4:3 on 16:9: the screen's height
    EXPECT_EQ(qFromLittleEndian<quint16>(test::ReadBytes(target).constData() + 28), 24);
    // Grey from the effect, blue and white from the calendar in the top right corner.
    const QImage rgb = saved.convertToFormat(QImage::Format_RGB32);
    const QRgb middle = rgb.pixel(100, 700);
    EXPECT_EQ(qRed(middle), qBlue(middle));
    bool calendarInk = false;
    for (int y = 0; y < 300 && !calendarInk; ++y)
        for (int x = 1000; x < 1440 && !calendarInk; ++x)
            calendarInk = qBlue(rgb.pixel(x, y)) > qRed(rgb.pixel(x, y)) + 100;
    EXPECT_TRUE(calendarInk);
}

} // namespace
} // namespace velmora
