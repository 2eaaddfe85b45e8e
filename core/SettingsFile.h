#pragma once
// Velmora.INI: a header line, then one "Key=value" line per setting, CR LF line ends.
#include "core/Settings.h"

#include <QByteArray>
#include <QStringList>

namespace velmora {

inline constexpr char16_t SettingsFileName[] = u"Velmora.INI";

// The keys with their "=", in the order the file is written (72 of them).
QStringList SettingsKeys();

// Reads the file over the current values. A missing file is silent; any other failure (unreadable,
// a value out of range, an invalid Boolean) shows one warning and stops the reading at that line,
// keeping what was read before it. True when the file was missing or read to its end.
bool ReadSettingsFile(Settings& settings, const QString& path);

// The reading itself, over text already loaded; throws the Failure of the first bad line.
void ReadSettingsText(Settings& settings, const QString& text);

QByteArray SettingsFileBytes(const Settings& settings);

// Replaces the file as a whole: on any failure the previous file stays as it was and false is returned.
bool WriteSettingsFile(const Settings& settings, const QString& path);

} // namespace velmora
