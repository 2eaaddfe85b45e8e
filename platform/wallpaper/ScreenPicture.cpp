#include "platform/wallpaper/ScreenPicture.h"

#include <QPainter>

namespace velmora::platform {

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
