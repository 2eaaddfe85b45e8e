#include "mainwindow/PreviewPanel.h"

#include "engine/EngineState.h"
#include "engine/WallpaperLoading.h"
#include "tests/support/TestImages.h"
#include "ui/PreviewView.h"

#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace velmora {
namespace {

TEST(PreviewPanel, OneClickOnThePreviewIsOneClick)
{
    EngineState state;
    PreviewPanel panel(state);
    panel.resize(400, 300);
    panel.show();
    ShowLoadedPicture(state, {test::PhotoLikeImage(200, 100, 2), test::PhotoLikeImage(200, 100, 2), {}});
    QSignalSpy clicks(&panel, &PreviewPanel::clicked);

    QTest::mouseClick(panel.leadWallPaper(), Qt::LeftButton, {}, QPoint(20, 20));
    EXPECT_EQ(clicks.count(), 1) << "the view's click must not reach the panel a second time";

    QTest::mouseClick(&panel, Qt::LeftButton, {}, QPoint(2, 2));
    EXPECT_EQ(clicks.count(), 2) << "the dark surround is part of the click target";
}

TEST(PreviewPanel, PlacesAReducedPreviewByThePicturesFullSize)
{
    EngineState state;
    PreviewPanel panel(state);
    panel.resize(400, 300);
    panel.show();
    // A 4000 x 1000 picture is shown from a smaller copy; the shape and placement are the picture's.
    ShowLoadedPicture(
        state, {test::FlatImage(4000, 1000, qRgb(1, 2, 3)), test::FlatImage(1600, 400, qRgb(1, 2, 3)), {}});
    panel.resize(800, 600);
    EXPECT_EQ(state.leadWallPaper.preview().geometry, QRectF(0, 200, 800, 200));
}

} // namespace
} // namespace velmora
