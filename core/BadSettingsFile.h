#pragma once
// A settings file that did not read to its end is kept beside itself ("Velmora.INI.bad") before the
// program writes its own values over it: the reading stops at the first bad line, so every setting
// after it would otherwise be lost at the next save.
#include <QString>

namespace velmora {

inline constexpr char16_t BadSettingsSuffix[] = u".bad";

enum class BadSettingsCopy {
    Made,    // the file is now kept as "<file>.bad"
    Earlier, // a "<file>.bad" from an earlier time is there and stays; this file is not kept
    Failed,  // no copy could be made: the file must not be written over
};

// Keeps the file at path as path + ".bad" unless that name is taken. The first copy is the one kept:
// it is the user's own text, while a later bad file may be one the program itself wrote.
BadSettingsCopy KeepBadSettingsFile(const QString& path);

// What the main window's status bar says about it.
QString BadSettingsNotice(BadSettingsCopy copy);

} // namespace velmora
