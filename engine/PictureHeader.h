#pragma once
// What a picture file's header tells before any pixel is decoded.
#include <QByteArray>
#include <QSize>
#include <QString>

namespace velmora {

// The size the header gives, through Qt's readers: by content first, then by the extension for
// formats without a signature (TGA). Invalid when no reader tells a size without decoding.
QSize PictureHeaderSize(const QByteArray& bytes, const QString& extension);

} // namespace velmora
