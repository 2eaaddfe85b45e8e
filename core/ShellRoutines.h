#pragma once
// Deleting to the trash and opening documents, with the confirmation the user expects.
#include <QString>

namespace velmora {

// Empty path: 0, nothing done. A trailing separator is dropped (the root "/" stays). The user
// confirms, then the item goes to the trash (toTrash) or is deleted for good.
// 0 on success; non-zero when the user declined or the deletion failed.
long ShellDelete(const QString& path, bool toTrash);

// Greater than 32 when the desktop opened the file or address.
inline constexpr long ShellOpenSucceeded = 33;
long ShellOpen(const QString& fileOrAddress);

} // namespace velmora
