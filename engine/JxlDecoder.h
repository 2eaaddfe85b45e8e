#pragma once
// JPEG XL through libjxl, on as many threads as the machine has; the library is loaded the first
// time a JPEG XL picture needs it.
#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

#include <optional>

namespace velmora {

// True when libjxl and its thread runner could be loaded in this installation.
bool JxlLibraryLoaded();

// The picture's size as shown (turned by its orientation), from the header only; nothing when the
// bytes hold no readable JPEG XL header.
std::optional<QSize> JxlHeaderSize(const QByteArray& bytes);

// The first frame, upright, 8 bits a channel: RGB32, or ARGB32 when it has alpha. The size is
// checked against the decoders' bounds before any pixel is decoded. Throws a Failure naming path.
QImage DecodeJxl(const QByteArray& bytes, const QString& path);

} // namespace velmora
