#pragma once
// Small pictures of image files, made as fast as the decoders allow: JPEG files at the smallest DCT
// scale that still covers the thumbnail, the other formats through the usual decoders.
#include <QByteArray>
#include <QImage>
#include <QString>

namespace velmora {

// The JPEG scale 1/denominator (8, 4, 2 or 1) at which a picture stored at that size still covers
// a thumbnail of side x side pixels.
unsigned ThumbnailJpegDenominator(QSize stored, int side);

// The picture of the file's bytes fitted into side x side (never enlarged), upright, in RGB32 or,
// with transparency, ARGB32. Throws the decoders' Failure for bad data.
QImage DecodeThumbnailPicture(const QByteArray& bytes, const QString& extension, int side,
                              const QString& path);

// The picture fitted into side x side (never enlarged), smoothly, in a format that paints fast.
QImage FitThumbnail(const QImage& picture, int side);

} // namespace velmora
