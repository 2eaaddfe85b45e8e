#include "bench/support/PhotoLike.h"

#include <QPainter>
#include <QRandomGenerator>

#include <algorithm>

namespace velmora::bench {

QImage PhotoLike(int width, int height, quint32 seed)
{
    QRandomGenerator random(seed);
    QImage image(width, height, QImage::Format_RGB32);
    const int r0 = random.bounded(40, 120), g0 = random.bounded(60, 160), b0 = random.bounded(80, 200);
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x)
            line[x] = qRgb(r0 + 100 * x / width, g0 + 80 * y / height, b0 - 60 * (x + y) / (width + height));
    }
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        for (int i = 0; i < 40; ++i) {
            QRadialGradient gradient(QPointF(random.bounded(width), random.bounded(height)),
                                     random.bounded(width / 4) + 50);
            const QColor colour(random.bounded(256), random.bounded(256), random.bounded(256));
            gradient.setColorAt(0, colour);
            gradient.setColorAt(1, QColor(colour.red(), colour.green(), colour.blue(), 0));
            painter.setBrush(gradient);
            painter.drawEllipse(gradient.center(), gradient.radius(), gradient.radius());
        }
    }
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const int grain = int(random.bounded(17)) - 8;
            const QRgb p = line[x];
            line[x] = qRgb(std::clamp(qRed(p) + grain, 0, 255), std::clamp(qGreen(p) + grain, 0, 255),
                           std::clamp(qBlue(p) + grain, 0, 255));
        }
    }
    return image;
}

} // namespace velmora::bench
