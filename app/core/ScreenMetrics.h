#pragma once
// The screen in the units the settings keep (twips) and the engine uses (physical pixels).
#include <cstdint>

namespace velmora {

struct ScreenTwips {
    std::int32_t width = 0;
    std::int32_t height = 0;
};

// Twips per logical pixel: 1440 / logical DPI (15 at 96 DPI).
double TwipsPerPixel();

// The primary screen's size in twips; 1024 x 768 pixels' worth when no screen is known.
ScreenTwips PrimaryScreenTwips();

} // namespace velmora
