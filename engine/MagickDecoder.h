#pragma once
// GraphicsMagick for the raster formats Qt has no reader for (PCX, Sun raster, PICT, SGI, XWD...).
#include <QByteArray>
#include <QImage>
#include <QString>

namespace velmora {

// The GraphicsMagick format name for an upper-case extension of the file-kind table, or empty
// when GraphicsMagick is not used for it (or cannot decode it in this installation).
QString MagickFormatFor(const QString& extension);

// Every extension MagickFormatFor accepts.
QStringList MagickExtensions();

// Decodes the first frame as RGB32 (ARGB32 when it has transparency). Throws a Failure naming path.
QImage DecodeWithMagick(const QByteArray& bytes, const QString& format, const QString& path);

} // namespace velmora
