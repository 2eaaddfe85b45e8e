#pragma once
// JPEG decoding with libjpeg-turbo: straight into RGB32 or Grayscale8, with DCT scaling when the
// caller needs less than full size, and truncated or corrupt data reported instead of grey-filled.
#include <QByteArray>
#include <QImage>

#include <functional>

namespace velmora {

bool LooksLikeJpeg(const QByteArray& bytes);

// Decodes at full size or, with a valid fitWithin, at the smallest 1/2, 1/4 or 1/8 scale that is still
// at least as large as the picture fitted into that box. Throws a Failure naming path.
QImage DecodeJpeg(const QByteArray& bytes, QSize fitWithin, const QString& path);

// Picks the DCT scale 1/denominator (1, 2, 4 or 8) from the picture's full size as stored.
using JpegScaleChoice = std::function<unsigned(QSize stored)>;

// Decodes at the scale the caller's choice gives once the header is read.
QImage DecodeJpegScaled(const QByteArray& bytes, const JpegScaleChoice& choose, const QString& path);

} // namespace velmora
