#pragma once
// Where the program keeps its own files (settings, lists, the wallpaper bitmap).
#include <QString>

namespace velmora::platform {

// The folder, ending in "/", that holds Velmora.INI, the lists and $$WALL$$.BMP.
// The executable's folder when it is writable (portable use); otherwise the per-user data folder,
// created on first use. Resolved once per process.
QString ProgramFolder();

// The rule behind ProgramFolder, free of process state so that it can be tested.
// dataHome is $XDG_DATA_HOME, or empty for the default ~/.local/share.
QString ResolveProgramFolder(const QString& executableFolder, const QString& dataHome, const QString& home);

// Tests point the program at a temporary folder; an empty text returns to the real rule.
void OverrideProgramFolder(const QString& folder);

// Folders besides the program folder where the user's guide may be installed.
QStringList DocumentationFolders();

} // namespace velmora::platform
