#include "core/FileKinds.h"
#include "core/Prompt.h"
#include "engine/WallpaperLoading.h"
#include "tests/support/SpecialFiles.h"
#include "tests/support/TestImages.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

using test::FlatImage;
using test::PhotoLikeImage;
using test::TempFolder;

struct Placement {
    const char* what;
    double w, h;
    QSizeF panel;
    QRectF expected;
};

class PlacePreviewTest : public ::testing::TestWithParam<Placement> {};

TEST_P(PlacePreviewTest, FitsOrCentres)
{
    const Placement& c = GetParam();
    const QRectF got = PlacePreview(c.w, c.h, c.panel);
    EXPECT_NEAR(got.left(), c.expected.left(), 1e-3);
    EXPECT_NEAR(got.top(), c.expected.top(), 1e-3);
    EXPECT_NEAR(got.width(), c.expected.width(), 1e-3);
    EXPECT_NEAR(got.height(), c.expected.height(), 1e-3);
}

INSTANTIATE_TEST_SUITE_P(
    Panel400x300, PlacePreviewTest,
    ::testing::Values(Placement{"exactly the panel: own size", 400, 300, {400, 300}, {0, 0, 400, 300}},
                      Placement{"smaller: centred at own size", 100, 50, {400, 300}, {150, 125, 100, 50}},
                      Placement{"wide: fills the width", 800, 200, {400, 300}, {0, 100, 400, 100}},
                      Placement{"tall: fills the height", 300, 600, {400, 300}, {125, 0, 150, 300}},
                      Placement{"wider than the panel only", 500, 100, {400, 300}, {0, 110, 400, 80}},
                      Placement{"panel shape: fills it", 800, 600, {400, 300}, {0, 0, 400, 300}}),
    [](const auto& info) { return std::to_string(info.index); });

class LoadWallpaperImageTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        BuildFileKindTable();
        state.previewArea = QSizeF(400, 300);
    }
    QString savePhoto(const QString& name, const QImage& image, const char* format)
    {
        const QString path = folder.file(name);
        EXPECT_TRUE(image.save(path, format));
        return path;
    }

    TempFolder folder;
    EngineState state;
};

TEST_F(LoadWallpaperImageTest, RecordsTheSizeAndPlacesThePreview)
{
    LoadWallpaperImage(state, savePhoto("wide.png", PhotoLikeImage(800, 200, 1), "PNG"));
    EXPECT_EQ(state.LoadedImageWidth, 800);
    EXPECT_EQ(state.LoadedImageHeight, 200);
    EXPECT_EQ(state.leadWallPaper.imageWidth(), 800);
    EXPECT_EQ(state.leadWallPaper.preview().geometry, QRectF(0, 100, 400, 100));
    EXPECT_EQ(state.leadWallPaper.preview().sourceRect, QRect(0, 0, 800, 200));
    EXPECT_TRUE(state.leadWallPaper.preview().visible);
}

TEST_F(LoadWallpaperImageTest, GifTakesTheSamePath)
{
    const QString path = folder.file("palette.gif");
    test::WriteBytes(path, test::EncodeWithMagick(PhotoLikeImage(64, 32, 2), "GIF"));
    LoadWallpaperImage(state, path);
    EXPECT_EQ(state.LoadedImageWidth, 64);
    EXPECT_EQ(state.LoadedImageHeight, 32);
}

TEST_F(LoadWallpaperImageTest, AFileOfAnotherKindChangesNothing)
{
    const QString photo = savePhoto("photo.png", PhotoLikeImage(120, 80, 3), "PNG");
    LoadWallpaperImage(state, photo);
    const QImage before = state.leadWallPaper.image();
    const QRectF placement = state.leadWallPaper.preview().geometry;
    // A picture under a sound file's name is still not loaded: the kind comes from the extension.
    const QString sound = savePhoto("tune.wav", PhotoLikeImage(50, 50, 4), "PNG");
    ScriptedPrompter prompter;
    PrompterScope scope(prompter);
    LoadWallpaperImage(state, sound);
    EXPECT_EQ(state.leadWallPaper.image(), before);
    EXPECT_EQ(state.leadWallPaper.preview().geometry, placement);
    EXPECT_EQ(state.LoadedImageWidth, 120);
    EXPECT_EQ(prompter.count(), 0);
}

TEST_F(LoadWallpaperImageTest, ABrokenFileIsReportedAndThePreviousPictureKept)
{
    LoadWallpaperImage(state, savePhoto("good.png", PhotoLikeImage(120, 80, 5), "PNG"));
    const QImage before = state.leadWallPaper.image();
    const QString broken = folder.file("broken.jpg");
    test::WriteBytes(broken, "not a picture");

    ScriptedPrompter prompter{Answer::Retry, Answer::Abort};
    PrompterScope scope(prompter);
    LoadWallpaperImage(state, broken);
    ASSERT_EQ(prompter.count(), 2); // asked again after Retry
    EXPECT_EQ(prompter.requests()[0].kind, PromptKind::AbortRetryIgnore);
    EXPECT_TRUE(prompter.requests()[0].text.contains(broken));
    EXPECT_EQ(state.leadWallPaper.image(), before);
    EXPECT_EQ(state.LoadedImageWidth, 120);
    EXPECT_TRUE(state.leadWallPaper.preview().visible);
}

TEST_F(LoadWallpaperImageTest, IgnoreGoesOnWithThePictureHeld)
{
    LoadWallpaperImage(state, savePhoto("good.png", PhotoLikeImage(120, 80, 5), "PNG"));
    const QString empty = folder.file("empty.png");
    test::WriteBytes(empty, {});
    ScriptedPrompter prompter{Answer::Ignore};
    PrompterScope scope(prompter);
    LoadWallpaperImage(state, empty);
    EXPECT_EQ(prompter.count(), 1);
    EXPECT_EQ(state.LoadedImageWidth, 120);
    EXPECT_EQ(state.leadWallPaper.preview().geometry, PlacePreview(120, 80, state.previewArea));
}

TEST_F(LoadWallpaperImageTest, AListEntryThatIsAPipeIsRefusedWithTheUsualPrompt)
{
    const QString pipe = folder.file("trap.jpg");
    // Whoever opened it would get a good picture.
    test::FifoTrap trap(pipe, test::EncodeWithMagick(PhotoLikeImage(40, 30, 1), "PNG"));
    ASSERT_TRUE(trap.made());
    ScriptedPrompter prompter{Answer::Ignore};
    PrompterScope scope(prompter);
    LoadWallpaperImage(state, pipe);
    ASSERT_EQ(prompter.count(), 1);
    EXPECT_EQ(prompter.requests()[0].kind, PromptKind::AbortRetryIgnore);
    EXPECT_TRUE(prompter.requests()[0].text.contains(QStringLiteral("通常のファイルではありません")));
    EXPECT_TRUE(prompter.requests()[0].text.contains(pipe));
    EXPECT_EQ(state.LoadedImageWidth, 0);
}

TEST(EnsureTrueColour, ConvertsInMemoryKeepingThePicture)
{
    for (const QImage::Format format : {QImage::Format_Indexed8, QImage::Format_Grayscale8,
                                        QImage::Format_ARGB32, QImage::Format_Mono, QImage::Format_RGB888}) {
        RasterImage image;
        const QImage source = FlatImage(10, 10, qRgb(255, 255, 255)).convertToFormat(format);
        image.assignPicture(source);
        EnsureTrueColour(image);
        EXPECT_EQ(image.imageBitsPerPixel(), 24) << format;
        EXPECT_EQ(image.image().pixel(5, 5), qRgb(255, 255, 255)) << format;
    }
}

} // namespace
} // namespace velmora
