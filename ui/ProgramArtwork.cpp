#include "ui/ProgramArtwork.h"

#include <QCoreApplication>
#include <QFile>
#include <QPainter>
#include <QSvgRenderer>

namespace velmora {
namespace {

// The logo's picture with its subtitle in the interface's language; the file holds the Japanese one.
QByteArray logoPicture()
{
    QFile file(QStringLiteral(":/velmora/logo.svg"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QByteArray svg = file.readAll();
    const char* const subtitle = QT_TRANSLATE_NOOP("ProgramArtwork", "壁紙チェンジャー");
    const QString shown = QCoreApplication::translate("ProgramArtwork", subtitle);
    svg.replace(QByteArray(">") + subtitle + '<', '>' + shown.toHtmlEscaped().toUtf8() + '<');
    return svg;
}

} // namespace

QPixmap ProgramLogo(const QSize& size, qreal devicePixelRatio)
{
    QPixmap pixmap(size * devicePixelRatio);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(Qt::transparent);
    QSvgRenderer renderer(logoPicture());
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
