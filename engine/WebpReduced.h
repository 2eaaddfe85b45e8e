#pragma once
// A WebP picture decoded straight to a smaller size through libwebp's own scaling, loaded the first
// time it is needed: a thumbnail then costs a fraction of the whole decode.
#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

namespace velmora {

// The still WebP picture of bytes decoded to target (RGB32, or premultiplied ARGB32 when it has
// alpha); a null image when libwebp is missing or the picture is animated (its first frame comes
// from the whole decode). The stored size is checked against the decoders' bounds first. Throws a
// Failure naming path for a broken file.
QImage DecodeWebpReduced(const QByteArray& bytes, QSize target, const QString& path);

} // namespace velmora
