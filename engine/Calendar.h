#pragma once
// The month calendar printed into a corner of the wallpaper: a "yyyy/mm" title, the weekday names
// and six week lines of day numbers, drawn with the wallpaper image's text settings.
#include "engine/EngineState.h"
#include "platform/Screen.h"

#include <QDate>
#include <QPointF>

#include <optional>

namespace velmora {

struct CalendarCell {
    double width = 0;  // MeasureTextWidth("WWW ")
    double height = 0; // MeasureTextHeight("WWW "), whole pixels
};

// The calendar's top-left corner in an image of that size for the corner (CalendarOffsetMode:
// 0 top left, 1 top right, 2 bottom left, 3 bottom right; others (0, 0)) and the margins in pixels;
// nullopt when the image is too small for the calendar and its margin.
std::optional<QPointF> CalendarOrigin(QSize image, CalendarCell cell, int corner, double marginX,
                                      double marginY);

// "yyyy/mm" with the system's date separator.
QString CalendarTitle(QDate today);

// Draws this month's calendar into leadWallPaper (made true colour first); an image too small for it
// is left as it is. Margins come from CalendarOffsetWidth/Height (twips) on the given screen.
void DrawCalendar(EngineState& state, const Settings& settings, QDate today = QDate::currentDate(),
                  const platform::ScreenPixels& screen = platform::PrimaryScreenPixels());

} // namespace velmora
