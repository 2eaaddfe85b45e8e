#include "platform/wallpaper/ScreenPicture.h"

#include <QPainter>

namespace velmora::platform {

namespace {

void layOut(QPainter& painter, const QImage& picture, QRect area, bool tiled)
{
    if (picture.isNull())
        return;
    const QImage source = picture.convertToFormat(QImage::Format_RGB32);
    painter.save();
    painter.setClipRect(area);
    if (tiled) {
        for (int y = area.top(); y <= area.bottom(); y += source.height())
            for (int x = area.left(); x <= area.right(); x += source.width())
                painter.drawImage(x, y, source);
    } else {
        // Integer halves, so that the offset is the same on every desktop that centres by itself.
        painter.drawImage(area.x() + (area.width() - source.width()) / 2,
                          area.y() + (area.height() - source.height()) / 2, source);
    }
    painter.restore();
}

} // namespace

QImage ComposeMonitorsImage(const std::vector<MonitorPicture>& monitors, QRect area)
{
    QImage canvas(area.size(), QImage::Format_RGB32);
    if (canvas.isNull())
        return canvas;
    canvas.fill(Qt::black);
    QPainter painter(&canvas);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    for (const MonitorPicture& monitor : monitors)
        layOut(painter, monitor.image, monitor.geometry.translated(-area.topLeft()),
               IsTiled(monitor.tileWallpaper));
    return canvas;
}

QImage ComposeScreenImage(const QImage& picture, QSize screen, bool tiled)
{
    QImage canvas(screen, QImage::Format_RGB32);
    if (canvas.isNull())
        return canvas;
    canvas.fill(Qt::black);
    if (picture.isNull())
        return canvas;
    const QImage source = picture.convertToFormat(QImage::Format_RGB32);
    QPainter painter(&canvas);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    if (tiled) {
        for (int y = 0; y < screen.height(); y += source.height())
            for (int x = 0; x < screen.width(); x += source.width())
                painter.drawImage(x, y, source);
    } else {
        // Integer halves, so that the offset is the same on every desktop that centres by itself.
        painter.drawImage((screen.width() - source.width()) / 2, (screen.height() - source.height()) / 2,
                          source);
    }
    return canvas;
}

} // namespace velmora::platform
