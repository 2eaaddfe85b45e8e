#pragma once
// The list catalogue "lfname.dat" and the rules for list names; the files themselves live in the
// program folder.
#include <QString>
#include <QStringList>

namespace velmora {

inline constexpr char16_t CatalogFileName[] = u"lfname.dat";
inline constexpr char16_t DefaultListName[] = u"Velmora.lst";
// The one line of a default list made from a folder without pictures: a request to the user, in
// the language shown when the list is made (once written, it is the list's own text).
QString EmptyListPlaceholder();

// The images of a folder as the default list holds them: full paths, in the file view's name order.
QStringList DefaultListEntries(const QString& sourceFolder);

// Writes a catalogue naming only `name`, and creates that list from the pictures of sourceFolder,
// or of the program folder when sourceFolder is empty (the placeholder line when there are none).
// An existing list of that name is kept: it may hold the user's own entries. Throws a Failure when
// a file cannot be written.
void CreateDefaultList(const QString& programFolder, const QString& name, const QString& sourceFolder);

// The catalogue's path in the program folder; a missing catalogue is first made with the default
// list (see CreateDefaultList). Throws a Failure when it cannot be made.
QString EnsureCatalogue(const QString& programFolder);

// The name a typed new-list name is saved under: ".lst" is appended unless the name already ends
// in ".lst" in any letter case.
QString NewListName(const QString& typed);

// True when names holds name, letter case ignored (two lists may not differ only in case).
bool CatalogContains(const QStringList& names, const QString& name);

} // namespace velmora
