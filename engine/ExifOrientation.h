#pragma once
// The orientation a camera records in a JPEG's Exif data, and turning a picture upright by it.
#include <QByteArray>
#include <QImage>

namespace velmora {

// The Exif orientation (1 to 8) of JPEG data; 1 (upright) when there is none or it cannot be read.
// Reads only the markers before the image data and checks every offset, so hostile data is safe.
int ExifOrientation(const QByteArray& jpeg);

// True for the orientations that swap width and height (5 to 8).
inline bool OrientationSwapsSides(int orientation)
{
    return orientation >= 5 && orientation <= 8;
}

// The picture as it should be seen: mirrored and rotated by quarter turns as the orientation says.
QImage Upright(const QImage& image, int orientation);

} // namespace velmora
