#pragma once
// The wallpaper file format: uncompressed 24-bit BMP, bottom-up rows padded to four bytes.
#include <QByteArray>
#include <QImage>
#include <QString>

namespace velmora {

QByteArray EncodeBmp24(const QImage& image);

// Writes a temporary file beside path and renames it, so the old file survives a failure.
// Throws a Failure when the file cannot be written.
void SaveBmp24(const QImage& image, const QString& path);

} // namespace velmora
