#pragma once
// Small pictures of image files, made as fast as the decoders allow: JPEG files at the smallest DCT
// scale that still covers the thumbnail, opaque PNG files reduced row by row as they are read, the
// other formats through the usual decoders. Each decode holds a share of one memory budget while it
// runs, so that a folder of pictures that are huge once decoded is not decoded on every thread at once.
#include "engine/DecodeBudget.h"

#include <QByteArray>
#include <QImage>
#include <QString>

namespace velmora {

// The JPEG scale 1/denominator (8, 4, 2 or 1) at which a picture stored at that size still covers
// a thumbnail of side x side pixels.
unsigned ThumbnailJpegDenominator(QSize stored, int side);

// The memory the thumbnail decodes of the whole program hold at once: a share for each decode, of
// its pixels' bytes at the size it decodes to. One picture of the largest size allowed still decodes,
// alone.
inline constexpr qint64 ThumbnailDecodeBytes = qint64(256) << 20;
DecodeBudget& ThumbnailDecodeBudget();

// The picture of the file's bytes fitted into side x side (never enlarged), upright, in RGB32 or,
// with transparency, ARGB32. Throws the decoders' Failure for bad data. The decode waits for its
// share of the budget (ThumbnailDecodeBudget when none is given).
QImage DecodeThumbnailPicture(const QByteArray& bytes, const QString& extension, int side,
                              const QString& path, DecodeBudget* budget = nullptr);

// The picture fitted into side x side (never enlarged), smoothly, in a format that paints fast.
QImage FitThumbnail(const QImage& picture, int side);

} // namespace velmora
