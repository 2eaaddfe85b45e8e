#include "dialogs/TextStyleSample.h"

#include "engine/TextPainter.h"

#include <QLinearGradient>
#include <QPainter>

namespace velmora {

TextStyleSample::TextStyleSample(QWidget* parent)
    : QWidget(parent)
{
    setMinimumSize(240, 80);
}

void TextStyleSample::setTextSettings(const TextSettings& settings)
{
    m_settings = settings;
    update();
}

void TextStyleSample::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRect area = rect();
    QLinearGradient light(area.topLeft(), area.topRight());
    light.setColorAt(0, QColor(250, 246, 230));
    light.setColorAt(1, QColor(170, 200, 230));
    painter.fillRect(area.adjusted(0, 0, -area.width() / 2, 0), light);
    QLinearGradient dark(area.topLeft(), area.topRight());
    dark.setColorAt(0, QColor(60, 70, 40));
    dark.setColorAt(1, QColor(10, 10, 30));
    painter.fillRect(area.adjusted(area.width() / 2, 0, 0, 0), dark);
    // Points as on the desktop: the widget's logical DPI. The same lines on both halves.
    const double pixelsPerPoint = logicalDpiY() / 72.0;
    for (const int left : {0, area.width() / 2}) {
        const double x = left + 10;
        DrawStyledText(painter, QRectF(x, 8, area.width() / 2.0 - 20, area.height() / 2.0),
                       QStringLiteral("2026/12 Sun"), m_settings, pixelsPerPoint);
        DrawStyledText(painter, QRectF(x, area.height() / 2.0, area.width() / 2.0 - 20, area.height() / 2.0),
                       QStringLiteral("1 2 3 14 31"), m_settings, pixelsPerPoint);
    }
}

} // namespace velmora
