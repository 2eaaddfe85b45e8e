#pragma once
// PNG files for the thumbnail cache, written fast: 8-bit RGB (RGBA when the picture has
// transparency), not interlaced, text chunks ahead of the pixels, compressed at a quick level.
#include <QByteArray>
#include <QImage>
#include <QList>

namespace velmora {

// One tEXt chunk: a Latin-1 key of 1 to 79 characters and a Latin-1 value.
struct PngText {
    QByteArray key;
    QByteArray value;
};

// The encoded file; empty for a null picture or when memory runs out.
QByteArray EncodePng(const QImage& picture, const QList<PngText>& texts = {});

} // namespace velmora
