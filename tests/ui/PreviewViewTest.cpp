#include "ui/PreviewView.h"
#include "engine/WallpaperLoading.h"
#include "tests/support/TestImages.h"

#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace velmora {
namespace {

TEST(PreviewView, FollowsThePlacementAndReportsClicks)
{
    QWidget panel;
    panel.resize(400, 300);
    EngineState state;
    PreviewView view(state.leadWallPaper, &panel);
    panel.show();
    state.leadWallPaper.assignPicture(test::PhotoLikeImage(800, 200, 1));
    state.leadWallPaper.setPreviewGeometry(PlacePreview(800, 200, QSizeF(400, 300)));
    state.leadWallPaper.fitPreview();
    EXPECT_EQ(view.geometry(), QRect(0, 100, 400, 100));
    EXPECT_TRUE(view.isVisible());

    const QImage shown = view.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage expected = test::PhotoLikeImage(800, 200, 1);
    EXPECT_NEAR(qRed(shown.pixel(200, 50)), qRed(expected.pixel(400, 100)), 30);

    QSignalSpy clicks(&view, &PreviewView::clicked);
    QTest::mouseClick(&view, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(clicks.count(), 1);

    state.leadWallPaper.setPreviewVisible(false);
    EXPECT_FALSE(view.isVisible());
}

} // namespace
} // namespace velmora
