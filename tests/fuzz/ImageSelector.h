#pragma once
// How the image harness reads its first byte: the low five bits pick the extension the file is named
// with, the upper three the table it comes from and the box the caller fits the picture into
// (whole, a screen, a thumbnail): 0 to 2 and 6, 7 the first table, 3 to 5 the second, which came
// when the first was full. The seed generator writes the same byte, so the tables' order is part of
// the corpus.
#include <QSize>
#include <QString>

#include <array>

namespace velmora::fuzz {

inline const std::array<const char*, 32> ImageExtensions = {
    "",    "JPG", "PNG", "GIF", "BMP", "TIF", "TGA", "PBM", "XPM", "XBM", "WBMP",
    "ICO", "PCX", "DCX", "RAS", "SGI", "XWD", "PSD", "PCT", "RLE", "WMF", "MAC",
    "WPG", "PCD", "FAX", "CAL", "CUT", "SCT", "IFF", "FPX", "MSP", "FLC",
};

inline const std::array<const char*, 5> MoreImageExtensions = {"WEBP", "HEIC", "HEIF", "AVIF", "JXL"};

struct ImageRequest {
    QString extension;
    QSize fitWithin;
};

inline ImageRequest ImageRequestFor(unsigned char selector)
{
    static const std::array<QSize, 3> boxes = {QSize(), QSize(1920, 1080), QSize(160, 120)};
    const int upper = selector >> 5;
    if (upper >= 3 && upper <= 5)
        return {QString::fromLatin1(MoreImageExtensions[(selector & 31) % MoreImageExtensions.size()]),
                boxes[upper - 3]};
    return {QString::fromLatin1(ImageExtensions[selector & 31]), boxes[upper % 3]};
}

inline unsigned char ImageSelectorFor(const char* extension, int box = 0)
{
    for (std::size_t i = 0; i < ImageExtensions.size(); ++i)
        if (QLatin1String(ImageExtensions[i]) == QLatin1String(extension))
            return static_cast<unsigned char>(i | (box << 5));
    for (std::size_t i = 0; i < MoreImageExtensions.size(); ++i)
        if (QLatin1String(MoreImageExtensions[i]) == QLatin1String(extension))
            return static_cast<unsigned char>(i | ((box + 3) << 5));
    return 0;
}

} // namespace velmora::fuzz
