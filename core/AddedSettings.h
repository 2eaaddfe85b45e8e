#pragma once
// The settings Velmora adds to Velmora.INI. They are written after the original keys and only when
// they differ from their defaults, so a file of defaults stays byte for byte what the original wrote.
#include "core/Settings.h"

#include <QString>
#include <QStringList>

namespace velmora {

inline constexpr char16_t LanguageKey[] = u"Language=";

// The added keys with their "=".
QStringList AddedSettingsKeys();

// Takes the line's value when it holds an added key; throws the Failure of a bad value like the
// original keys do. False when the line is not an added key.
bool ReadAddedSetting(Settings& settings, QStringView line);

// The lines of the added keys that differ from their defaults.
void AppendAddedSettings(const Settings& settings, QStringList& lines);

// Replaces the added keys' lines of an existing settings file with the current values, keeping every
// other line as it is, atomically. A running program keeps its schedule this way without writing the
// settings it has not saved yet. False when there is no such file or it cannot be read or written.
bool StoreAddedSettings(const Settings& settings, const QString& path);

} // namespace velmora
