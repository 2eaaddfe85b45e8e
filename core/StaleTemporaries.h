#pragma once
// The program writes its files under a temporary name beside them and renames that over the file. A
// process killed in between leaves the temporary behind; the next start removes such left-overs of
// the program's own files, and nothing else.
#include <QString>

namespace velmora {

// True for the name of a temporary the program writes ("Velmora.INI.velmora-tmp-Ab3xYz", see
// platform::TemporaryMarker), or one an earlier version wrote for a wallpaper bitmap
// ("$$WALL$$.BMP.Ab3xYz"). The earlier versions' temporaries of text files ("summer.lst.Ab3xYz")
// look like a user's own copies ("summer.lst.240131") and are left alone.
bool IsStaleTemporaryName(const QString& name);

// Removes those files from the program folder, except ones another running copy of the program is
// still writing. Returns how many were removed.
int RemoveStaleTemporaries(const QString& programFolder);

} // namespace velmora
