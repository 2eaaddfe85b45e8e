#pragma once
// The program writes its files under a temporary name beside them ("Velmora.INI.Ab3xYz") and renames
// that over the file. A process killed in between leaves the temporary behind; the next start
// removes such left-overs of the program's own files, and nothing else.
#include <QString>

namespace velmora {

// True for the name of a temporary of one of the program's files: the settings file, the catalogue,
// the patrol folder list, a list ("*.lst") or a wallpaper bitmap, then "." and six letters or digits.
// A word of six small letters after a text file's name ("Velmora.INI.backup") is the user's.
bool IsStaleTemporaryName(const QString& name);

// Removes those files from the program folder, except ones another running copy of the program is
// still writing. Returns how many were removed.
int RemoveStaleTemporaries(const QString& programFolder);

} // namespace velmora
