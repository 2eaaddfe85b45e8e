#pragma once
// The two shell services the program uses: the desktop's trash and opening a document or address.
#include <QString>

namespace velmora::platform {

// Moves a file or folder to the freedesktop trash. On failure returns false and fills *error.
bool MoveToTrash(const QString& path, QString* error);

// Deletes a file or a whole folder for good. On failure returns false and fills *error.
bool DeletePermanently(const QString& path, QString* error);

// Opens a local file or a web address with the desktop's preferred application.
bool OpenWithDesktop(const QString& fileOrAddress);

} // namespace velmora::platform
