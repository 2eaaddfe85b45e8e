#pragma once
// The interface language. The source texts are the Japanese ones; English comes from a catalogue
// compiled into the program. Data (settings, file names, list contents) is never translated.
#include <QString>
#include <QStringList>

namespace velmora {

// The values of the `Language` setting: empty follows the desktop.
inline constexpr char16_t JapaneseLanguage[] = u"ja";
inline constexpr char16_t EnglishLanguage[] = u"en";

// The language to show: the setting when it names one we have, otherwise the first of the user's UI
// languages that we have a catalogue for; Japanese for an unset (C/POSIX) locale, English for any other.
QString ResolveLanguage(const QString& setting, const QStringList& uiLanguages);

// The same for this desktop's UI languages.
QString ResolveLanguage(const QString& setting);

// Installs our catalogue and Qt's own for the language ("ja" or "en"), replacing those installed
// before; every widget then gets QEvent::LanguageChange. Needs a QCoreApplication.
void InstallLanguage(const QString& language);

// The language last installed ("ja" until one is).
QString CurrentLanguage();

// The `Language` of the settings file in the folder, read quietly: a file the window would warn
// about is left to the window, and gives "".
QString StoredLanguage(const QString& programFolder);

} // namespace velmora
