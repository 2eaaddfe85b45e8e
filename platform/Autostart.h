#pragma once
// Starting with the desktop session, the freedesktop way: an entry in the user's autostart folder
// that starts the program hidden. It exists only while the user wants it.
#include <QByteArray>
#include <QString>

namespace velmora::platform {

// $XDG_CONFIG_HOME/autostart/velmora.desktop, with ~/.config when the variable is empty or not an
// absolute path.
QString AutostartEntryPath();
QString AutostartEntryPathFor(const QString& configHome, const QString& home);

// What the entry runs: "velmora" when that name on PATH (pathFound) is this very executable, as it
// is for an installed program; otherwise the executable's full path, quoted as desktop entries
// require.
QString AutostartCommand(const QString& executable, const QString& pathFound);
// AutostartCommand for the running program.
QString CurrentAutostartCommand();

// A value of a desktop entry's Exec key holding one argument, quoted and escaped where needed.
QString DesktopExecArgument(const QString& argument);

// The entry's text: command followed by "-ng".
QByteArray AutostartEntryText(const QString& command);

// Whether the session starts the program: the entry exists and has not been switched off
// (Hidden=true, or X-GNOME-Autostart-enabled=false as some desktops' settings write it).
bool AutostartEnabled(const QString& entryPath);

// Writes the entry (atomically, creating the folder) or removes it. On failure returns false and
// fills *error with the system's reason.
bool SetAutostart(const QString& entryPath, bool enabled, const QString& command, QString* error);

} // namespace velmora::platform
