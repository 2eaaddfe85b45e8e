#pragma once
// The primary screen as the engine sees it: physical pixels, so that wallpapers are sharp on HiDPI.
#include <QSize>

#include <optional>

namespace velmora {

struct ScreenPixels {
    QSize size;                  // logical size times the device pixel ratio
    double pixelsPerInch = 96.0; // physical pixels per inch: logical DPI times the device pixel ratio
};

// The primary screen (1024 x 768 at 96 DPI when there is none), or the override.
ScreenPixels PrimaryScreenPixels();

// Tests fix the screen; nullopt returns to the real one.
void OverridePrimaryScreen(std::optional<ScreenPixels> screen);

// Twips (1/1440 inch) and points (1/72 inch) as physical pixels of that screen.
inline double PixelsFromTwips(double twips, const ScreenPixels& screen)
{
    return twips * screen.pixelsPerInch / 1440.0;
}
inline double PixelsPerPoint(const ScreenPixels& screen)
{
    return screen.pixelsPerInch / 72.0;
}

} // namespace velmora
