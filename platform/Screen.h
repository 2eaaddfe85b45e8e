#pragma once
// The screen as the program sees it: physical pixels for the wallpaper engine, so that pictures are
// sharp on HiDPI, and twips for the settings file and the window layout.
// Read these on the window thread only; workers get the values in their requests.
#include <QSize>

#include <cstdint>
#include <optional>

namespace velmora::platform {

struct ScreenPixels {
    QSize size;                  // logical size times the device pixel ratio
    double pixelsPerInch = 96.0; // physical pixels per inch: logical DPI times the device pixel ratio
};

// The primary screen (1024 x 768 at 96 DPI when there is none), or the override.
ScreenPixels PrimaryScreenPixels();

// Tests fix the screen; nullopt returns to the real one.
void OverridePrimaryScreen(std::optional<ScreenPixels> screen);
bool PrimaryScreenOverridden();

// A screen's size in device pixels: its logical size times its device pixel ratio. A wallpaper
// composed at the logical size of a 200 % screen would be blown up and blurred.
QSize PhysicalSize(QSize logical, double devicePixelRatio);

// The widest and the tallest of all screens, so that one picture covers each of them; empty
// without a screen.
QSize LargestPhysicalScreenSize();

// Twips (1/1440 inch) and points (1/72 inch) as physical pixels of that screen.
inline double PixelsFromTwips(double twips, const ScreenPixels& screen)
{
    return twips * screen.pixelsPerInch / 1440.0;
}
inline double PixelsPerPoint(const ScreenPixels& screen)
{
    return screen.pixelsPerInch / 72.0;
}

struct ScreenTwips {
    std::int32_t width = 0;
    std::int32_t height = 0;
};

// Twips per logical pixel: 1440 / logical DPI (15 at 96 DPI).
double TwipsPerPixel();

// The primary screen's size in twips; 1024 x 768 pixels' worth when no screen is known.
ScreenTwips PrimaryScreenTwips();

} // namespace velmora::platform
