#pragma once
// The texts of image decoding failures, shared by the decoders.
#include "core/Failure.h"

namespace velmora {

Failure CorruptImage(const QString& path, const QString& detail);
Failure UnknownImageFormat(const QString& path);
// The content is of another format than the one its name says (format: the one named).
Failure WrongImageFormat(const QString& path, const QString& format);
Failure ImageTooLarge(const QString& path, qint64 width, qint64 height);

} // namespace velmora
