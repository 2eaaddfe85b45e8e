#pragma once
// How the image harness reads its first byte: the low five bits pick the extension the file is named
// with, the upper three the box the caller fits the picture into (whole, a screen, a thumbnail).
// The seed generator writes the same byte, so the table's order is part of the corpus.
#include <QSize>
#include <QString>

#include <array>

namespace velmora::fuzz {

inline const std::array<const char*, 32> ImageExtensions = {
    "",    "JPG", "PNG", "GIF", "BMP", "TIF", "TGA", "PBM", "XPM", "XBM", "WBMP",
    "ICO", "PCX", "DCX", "RAS", "SGI", "XWD", "PSD", "PCT", "RLE", "WMF", "MAC",
    "WPG", "PCD", "FAX", "CAL", "CUT", "SCT", "IFF", "FPX", "MSP", "FLC",
};

struct ImageRequest {
    QString extension;
    QSize fitWithin;
};

inline ImageRequest ImageRequestFor(unsigned char selector)
{
    static const std::array<QSize, 3> boxes = {QSize(), QSize(1920, 1080), QSize(160, 120)};
    return {QString::fromLatin1(ImageExtensions[selector & 31]), boxes[(selector >> 5) % 3]};
}

inline unsigned char ImageSelectorFor(const char* extension, int box = 0)
{
    for (std::size_t i = 0; i < ImageExtensions.size(); ++i)
        if (QLatin1String(ImageExtensions[i]) == QLatin1String(extension))
            return static_cast<unsigned char>(i | (box << 5));
    return 0;
}

} // namespace velmora::fuzz
