#include "engine/TextPainter.h"

#include <QFontMetricsF>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace velmora {
namespace {

// The text's outline, with underline and strike-through as filled bars so every style draws them alike.
QPainterPath textPath(const QString& text, const QFont& font)
{
    QFont plain = font;
    plain.setUnderline(false);
    plain.setStrikeOut(false);
    const QFontMetricsF metrics(plain);
    QPainterPath path;
    path.addText(QPointF(0, metrics.ascent()), plain, text);
    const double width = metrics.horizontalAdvance(text);
    const double thickness = std::max(1.0, metrics.lineWidth());
    if (font.underline())
        path.addRect(QRectF(0, metrics.ascent() + metrics.underlinePos(), width, thickness));
    if (font.strikeOut())
        path.addRect(QRectF(0, metrics.ascent() - metrics.strikeOutPos(), width, thickness));
    return path;
}

void fillAt(QPainter& painter, const QPainterPath& path, QPointF offset, const QColor& colour)
{
    painter.fillPath(path.translated(offset), colour);
}

} // namespace

void PrepareStyledText(const TextSettings& settings, double pixelsPerPoint)
{
    textPath(QStringLiteral("0123456789"), TextFont(settings, pixelsPerPoint));
}

void DrawStyledText(QPainter& painter, const QRectF& rect, const QString& text, const TextSettings& settings,
                    double pixelsPerPoint)
{
    if (text.isEmpty())
        return;
    const QFont font = TextFont(settings, pixelsPerPoint);
    const QPainterPath path = textPath(text, font);
    const double pixelSize = font.pixelSize();
    // Strokes and relief edges grow with the font, and are at least one pixel.
    const double outline = std::max(1.0, pixelSize / 12.0);
    const double relief = std::max(1.0, std::round(pixelSize / 16.0));
    const double pixelsPer96th = pixelsPerPoint * 72.0 / 96.0;

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.translate(rect.topLeft());
    painter.rotate(-settings.angle / 10.0);

    const auto style = static_cast<CalendarTextStyle>(settings.style);
    const QPointF shadow(settings.shadowDepthX * pixelsPer96th, settings.shadowDepthY * pixelsPer96th);
    if (!shadow.isNull()) {
        if (style == CalendarTextStyle::Outlined)
            painter.strokePath(path.translated(shadow), QPen(settings.shadowColour, 2 * outline,
                                                             Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        fillAt(painter, path, shadow, settings.shadowColour);
    }
    const QColor dark = settings.colour.darker(300);
    switch (style) {
    case CalendarTextStyle::Outlined:
        painter.strokePath(path,
                           QPen(settings.highlight, 2 * outline, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        break;
    case CalendarTextStyle::Embossed:
        fillAt(painter, path, QPointF(-relief, -relief), settings.highlight);
        fillAt(painter, path, QPointF(relief, relief), dark);
        break;
    case CalendarTextStyle::Engraved:
        fillAt(painter, path, QPointF(-relief, -relief), dark);
        fillAt(painter, path, QPointF(relief, relief), settings.highlight);
        break;
    default: break;
    }
    painter.fillPath(path, settings.colour);
    painter.restore();
}

} // namespace velmora
