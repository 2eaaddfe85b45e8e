#pragma once
// JPEG decoding with libjpeg-turbo: straight into RGB32 or Grayscale8, with DCT scaling when the
// caller needs less than full size, and truncated or corrupt data reported instead of grey-filled.
#include <QByteArray>
#include <QImage>

#include <functional>

namespace velmora {

bool LooksLikeJpeg(const QByteArray& bytes);

// Decodes at full size or, with a valid fitWithin, at the DCT scale JpegScaleFor chooses for the
// picture fitted into that box (never smaller than that). Throws a Failure naming path.
QImage DecodeJpeg(const QByteArray& bytes, QSize fitWithin, const QString& path);
// The same at eighths/8 of the stored size (1 to 8; see JpegScaleFor).
QImage DecodeJpegAtScale(const QByteArray& bytes, int eighths, const QString& path);

// Decodes and resamples to target (in the stored orientation) in one pass over the rows, so the
// picture is never held at its stored size; CMYK pictures are decoded whole first. RGB32.
QImage DecodeJpegResampled(const QByteArray& bytes, QSize target, const QString& path);

// Picks the DCT scale 1/denominator (1, 2, 4 or 8) from the picture's full size as stored.
using JpegScaleChoice = std::function<unsigned(QSize stored)>;

// Decodes at the scale the caller's choice gives once the header is read.
QImage DecodeJpegScaled(const QByteArray& bytes, const JpegScaleChoice& choose, const QString& path);

} // namespace velmora
