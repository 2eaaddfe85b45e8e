#pragma once
// Where the program keeps its own files (settings, lists, the wallpaper bitmap).
#include <QString>

namespace velmora::platform {

// The folder, ending in "/", that holds Velmora.INI, the lists and $$WALL$$.BMP.
// The executable's folder when it is writable (portable use); otherwise, and always for an
// installed program (one with <prefix>/share/applications/velmora.desktop beside <prefix>/bin),
// the per-user data folder, created on first use. Resolved once per process.
QString ProgramFolder();

// The rule behind ProgramFolder, free of process state so that it can be tested.
// dataHome is $XDG_DATA_HOME, or empty for the default ~/.local/share.
QString ResolveProgramFolder(const QString& executableFolder, const QString& dataHome, const QString& home);

// Tests point the program at a temporary folder; an empty text returns to the real rule.
void OverrideProgramFolder(const QString& folder);

// Where the user's guide and the documentation page are looked for, in this order: the program
// folder, then the installed documentation folder <prefix>/share/doc/velmora of an executable in
// <prefix>/bin.
QStringList DocumentationFolders();
// The rule behind DocumentationFolders, free of process state so that it can be tested.
QStringList DocumentationFoldersFor(const QString& programFolder, const QString& executableFolder);

} // namespace velmora::platform
