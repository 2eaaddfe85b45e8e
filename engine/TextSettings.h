#pragma once
// The text settings a raster image draws with, and their exchange with the calendar's settings keys.
#include "core/Settings.h"

#include <QColor>
#include <QFont>
#include <QString>

namespace velmora {

// How DrawText renders a text (the CalendarTextStyle setting):
//   0 Plain     the text colour alone.
//   1 Outlined  the text colour inside an outline of the highlight colour, readable on light and dark
//               photos alike (the default: blue in white).
//   2 Embossed  raised: a highlight-coloured edge above left, a darker edge below right.
//   3 Engraved  sunk: the same edges the other way round.
// Any other value draws plainly. Independently, a shadow of the shadow colour is drawn behind the
// text, offset by the shadow depths, when either depth is non-zero.
enum class CalendarTextStyle : int { Plain = 0, Outlined = 1, Embossed = 2, Engraved = 3 };

struct TextSettings {
    QString fontName = QStringLiteral("Times New Roman");
    double fontSize = 12; // points
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikethrough = false;
    int weight = 400; // 100 (thin) to 900 (black); 400 normal, 700 bold
    QColor colour = QColor(0, 0, 255);
    int angle = 0; // tenths of a degree, counter-clockwise
    QColor highlight = QColor(255, 255, 255);
    int style = static_cast<int>(CalendarTextStyle::Outlined);
    QColor shadowColour = QColor(0, 0, 0);
    double shadowDepthX = 0; // pixels at 96 DPI, right
    double shadowDepthY = 0; // pixels at 96 DPI, down

    bool operator==(const TextSettings&) const = default;
};

// Colours as the settings keep them (0x00BBGGRR) and back.
QColor ColourFromLong(Long value);
Long LongFromColour(const QColor& colour);

// The calendar's settings as text settings (copied onto the wallpaper image at start-up).
TextSettings CalendarTextSettings(const Settings& settings);
// The text settings back into the calendar's settings keys.
void StoreCalendarTextSettings(const TextSettings& text, Settings& settings);

// The font of the settings, sized in pixels for a device with that many pixels per point.
QFont TextFont(const TextSettings& text, double pixelsPerPoint);

} // namespace velmora
