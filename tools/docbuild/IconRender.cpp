#include "tools/docbuild/IconRender.h"

#include <QPainter>
#include <QSvgRenderer>

namespace velmora::docbuild {

QImage RenderIcon(const QString& svgPath, int size)
{
    QSvgRenderer renderer(svgPath);
    if (!renderer.isValid() || size <= 0)
        return {};
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter, QRectF(0, 0, size, size));
    painter.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

bool WriteIconPng(const QString& svgPath, int size, const QString& pngPath, QString* error)
{
    const QImage image = RenderIcon(svgPath, size);
    if (image.isNull()) {
        *error = QStringLiteral("cannot draw %1").arg(svgPath);
        return false;
    }
    if (!image.save(pngPath, "PNG")) {
        *error = QStringLiteral("cannot write %1").arg(pngPath);
        return false;
    }
    return true;
}

} // namespace velmora::docbuild
