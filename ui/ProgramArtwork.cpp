#include "ui/ProgramArtwork.h"

#include <QPainter>
#include <QSvgRenderer>

namespace velmora {

QPixmap ProgramLogo(const QSize& size, qreal devicePixelRatio)
{
    QPixmap pixmap(size * devicePixelRatio);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(Qt::transparent);
    QSvgRenderer renderer(QStringLiteral(":/velmora/logo.svg"));
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return pixmap;
}

QIcon ProgramIcon()
{
    return QIcon(QStringLiteral(":/velmora/icon.svg"));
}

} // namespace velmora
