#pragma once
// AVIF through libavif and its AV1 decoder (dav1d), several times faster than the way through
// libheif; the library is loaded the first time an AVIF picture needs it.
#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

#include <optional>

namespace velmora {

// True when libavif could be loaded in this installation.
bool AvifLibraryLoaded();

// The picture's size as shown (turned by its container), from the header only; nothing when the
// bytes are not AVIF. Throws the "too large" Failure for a size beyond the decoders' bounds.
std::optional<QSize> AvifHeaderSize(const QByteArray& bytes, const QString& path);

// The first frame, 8 bits a channel (10- and 12-bit pictures rounded down correctly), turned and
// cropped as its container says: RGB32, or ARGB32 when it has an alpha plane. The size is checked
// against the decoders' bounds before any pixel is decoded. Throws a Failure naming path.
QImage DecodeAvif(const QByteArray& bytes, const QString& path);

} // namespace velmora
