#include "engine/TextSettings.h"

#include <algorithm>
#include <cmath>

namespace velmora {

QColor ColourFromLong(Long value)
{
    const auto bits = static_cast<quint32>(value);
    return QColor(int(bits & 0xff), int((bits >> 8) & 0xff), int((bits >> 16) & 0xff));
}

Long LongFromColour(const QColor& colour)
{
    const QColor rgb = colour.toRgb();
    return static_cast<Long>(quint32(rgb.red()) | quint32(rgb.green()) << 8 | quint32(rgb.blue()) << 16);
}

TextSettings CalendarTextSettings(const Settings& settings)
{
    TextSettings text;
    text.fontName = settings.CalendarFontName;
    text.bold = settings.CalendarFontBold;
    text.italic = settings.CalendarFontItalic;
    text.fontSize = settings.CalendarFontSize;
    text.strikethrough = settings.CalendarFontStrikethrough;
    text.underline = settings.CalendarFontUnderline;
    text.weight = static_cast<int>(std::lround(settings.CalendarFontWeight));
    text.colour = ColourFromLong(settings.CalendarDrawFontColor);
    text.angle = settings.CalendarTextAngle;
    text.highlight = ColourFromLong(settings.CalendarTextHiliteColor);
    text.style = settings.CalendarTextStyle;
    text.shadowColour = ColourFromLong(settings.CalendarShadowColor);
    text.shadowDepthX = settings.CalendarShadowXDepth;
    text.shadowDepthY = settings.CalendarShadowYDepth;
    return text;
}

void StoreCalendarTextSettings(const TextSettings& text, Settings& settings)
{
    settings.CalendarFontName = text.fontName;
    settings.CalendarFontBold = text.bold;
    settings.CalendarFontItalic = text.italic;
    settings.CalendarFontSize = static_cast<Single>(text.fontSize);
    settings.CalendarFontStrikethrough = text.strikethrough;
    settings.CalendarFontUnderline = text.underline;
    settings.CalendarFontWeight = static_cast<Single>(text.weight);
    settings.CalendarDrawFontColor = LongFromColour(text.colour);
    settings.CalendarTextAngle = static_cast<Integer>(std::clamp(text.angle, -32768, 32767));
    settings.CalendarTextHiliteColor = LongFromColour(text.highlight);
    settings.CalendarTextStyle = static_cast<Integer>(std::clamp(text.style, -32768, 32767));
    settings.CalendarShadowColor = LongFromColour(text.shadowColour);
    settings.CalendarShadowXDepth = static_cast<Single>(text.shadowDepthX);
    settings.CalendarShadowYDepth = static_cast<Single>(text.shadowDepthY);
}

QFont TextFont(const TextSettings& text, double pixelsPerPoint)
{
    QFont font(text.fontName);
    font.setPixelSize(
        std::max(1, static_cast<int>(std::lround(std::clamp(text.fontSize, 1.0, 1000.0) * pixelsPerPoint))));
    font.setItalic(text.italic);
    font.setUnderline(text.underline);
    font.setStrikeOut(text.strikethrough);
    const int weight = std::clamp(text.bold ? std::max(text.weight, 700) : text.weight, 1, 1000);
    font.setWeight(static_cast<QFont::Weight>(weight));
    return font;
}

} // namespace velmora
