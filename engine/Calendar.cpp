#include "engine/Calendar.h"

#include "engine/MonthGrid.h"
#include "engine/Tiling.h"
#include "engine/WallpaperLoading.h"

#include <QLocale>

#include <cmath>

namespace velmora {

std::optional<QPointF> CalendarOrigin(QSize image, CalendarCell cell, int corner, double marginX,
                                      double marginY)
{
    const double width = 7 * cell.width + marginX;
    const double height = 8 * cell.height + marginY;
    if (image.width() < width || image.height() < height)
        return std::nullopt;
    switch (corner) {
    case 0: return QPointF(marginX, marginY);
    case 1: return QPointF(image.width() - width, marginY);
    case 2: return QPointF(marginX, image.height() - height);
    case 3: return QPointF(image.width() - width, image.height() - height);
    default: return QPointF(0, 0);
    }
}

QString CalendarTitle(QDate today)
{
    // The separator of the locale's short date form, "/" when it has none.
    QChar separator = u'/';
    for (const QChar c : QLocale::system().dateFormat(QLocale::ShortFormat))
        if (!c.isLetterOrNumber() && !c.isSpace() && c != u'\'') {
            separator = c;
            break;
        }
    return QStringLiteral("%1%2%3")
        .arg(today.year(), 4, 10, QChar(u'0'))
        .arg(separator)
        .arg(today.month(), 2, 10, QChar(u'0'));
}

void DrawCalendar(EngineState& state, const Settings& settings, QDate today, const platform::ScreenPixels& screen)
{
    RasterImage& image = state.leadWallPaper;
    EnsureTrueColour(image);
    image.setPixelsPerPoint(platform::PixelsPerPoint(screen));
    const MonthGrid grid = BuildMonthGrid(today);
    const QString cellText = QStringLiteral("WWW ");
    const CalendarCell cell{image.measureTextWidth(cellText), std::round(image.measureTextHeight(cellText))};
    const std::optional<QPointF> origin =
        CalendarOrigin(QSize(image.imageWidth(), image.imageHeight()), cell, settings.CalendarOffsetMode,
                       platform::PixelsFromTwips(settings.CalendarOffsetWidth, screen),
                       platform::PixelsFromTwips(settings.CalendarOffsetHeight, screen));
    if (!origin)
        return;
    const double x = origin->x();
    const double y = origin->y();

    const QString titleText = QStringLiteral("WWWW/WW ");
    image.setTextRect(QRectF(x, y, image.measureTextWidth(titleText), image.measureTextHeight(titleText)));
    image.drawText(CalendarTitle(today));
    for (int c = 0; c < 7; ++c) {
        image.setTextRect(QRectF(x + c * cell.width, y + cell.height, cell.width, cell.height));
        image.drawText(grid.DayNames[c]);
    }
    for (int k = 0; k < 43; ++k) {
        image.setTextRect(
            QRectF(x + (k % 7) * cell.width, y + (k / 7 + 2) * cell.height, cell.width, cell.height));
        image.drawText(grid.CalendarCells[k]);
    }
    FitPreview(state);
}

} // namespace velmora
