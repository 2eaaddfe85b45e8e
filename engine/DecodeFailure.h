#pragma once
// The texts of image decoding failures, shared by the decoders.
#include "core/Failure.h"

namespace velmora {

Failure CorruptImage(const QString& path, const QString& detail);
Failure UnknownImageFormat(const QString& path);
Failure ImageTooLarge(const QString& path, qint64 width, qint64 height);

} // namespace velmora
